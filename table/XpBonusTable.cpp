#include "table/XpBonusTable.h"

#include "table/Digits.h"

namespace app {

namespace {

const size_t kLabelWidth = 14;
const size_t kValueWidth = 5;

std::string PaddedLabel(const char* label)
{
    std::string s(label);
    s.resize(kLabelWidth, ' ');
    return s;
}

void AppendPadded(std::string& row, const std::string& value)
{
    row += value;
    if (value.size() < kValueWidth)
        row.append(kValueWidth - value.size(), ' ');
}

// Reads a cell, writes back the value as it goes to the file, and returns it.
std::string TakeValue(CellAccess& cells, int column, int level)
{
    std::string text = cells.Cell(column, level);
    std::string value = NormalizedValue(text);
    if (value != text)
        cells.SetCell(column, level, value);
    return value;
}

std::string FullValueRow(const char* label, CellAccess& cells, int column)
{
    std::string row = PaddedLabel(label);
    for (int level = 1; level < kLevelCount; ++level)
        AppendPadded(row, TakeValue(cells, column, level));
    row += TakeValue(cells, column, kLevelCount);
    return row;
}

std::string RowBuilderSignature(CellAccess&) { return SignatureLine(); }
std::string RowBuilderDefault(CellAccess&) { return DefaultValueLine(); }
std::string RowBuilderHeader(CellAccess&) { return ColumnHeaderLine(); }

}  // namespace

std::string NormalizedValue(const std::string& cellText)
{
    if (cellText.empty())
        return "0";
    if (!AllDigits(cellText))
        return cellText;  // not a number: copied as it is
    // A leading zero reads as octal in engines that parse C notation.
    size_t first = cellText.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    return cellText.substr(first);
}

std::string SignatureLine() { return "2DA V1.0"; }

std::string DefaultValueLine() { return "0"; }

std::string ColumnHeaderLine()
{
    std::string line(kLabelWidth, ' ');
    for (int level = 1; level < kLevelCount; ++level)
        AppendPadded(line, std::to_string(level));
    line += std::to_string(kLevelCount);
    return line;
}

// The game's own table lists lock picking first, and engines that read rows by
// position rely on that order.
std::string LocksRow(CellAccess& cells) { return FullValueRow("PICK_LOCK", cells, kLocksColumn); }

std::string TrapsRow(CellAccess& cells) { return FullValueRow("DISARM_TRAP", cells, kTrapsColumn); }

std::string ScrollsRow(CellAccess& cells)
{
    std::string row = PaddedLabel("LEARN_SPELL");
    for (int level = 1; level <= kScrollLevelCount; ++level)
        AppendPadded(row, TakeValue(cells, kScrollsColumn, level));
    // Levels 10 to 40 never earn anything for scrolls.
    row += "0";
    for (int level = kScrollLevelCount + 2; level <= kLevelCount; ++level)
        row += "    0";
    return row;
}

const std::vector<RowBuilder>& XpBonusLineBuilders()
{
    static const std::vector<RowBuilder> builders = {
        RowBuilderSignature, RowBuilderDefault, RowBuilderHeader, LocksRow, TrapsRow, ScrollsRow,
    };
    return builders;
}

std::string RenderXpBonusText(CellAccess& cells)
{
    std::string text;
    text.reserve(900);
    for (RowBuilder build : XpBonusLineBuilders()) {
        text += build(cells);
        text += "\r\n";
    }
    return text;
}

}  // namespace app
