#include "game/TableFindings.h"

#include <algorithm>
#include <unordered_map>

#include "game/EngineNumber.h"
#include "game/EngineTable.h"

namespace game {

namespace {

using Findings = std::vector<Finding>;

std::string Str(long long n) { return std::to_string(n); }
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void Add(Findings& out, const char* code, std::optional<int> row, std::optional<int> line, std::optional<int> level,
         std::string message)
{
    out.push_back({code, row, line, level, std::move(message)});
}

void CheckHeader(const TwoDaText& table, Findings& out)
{
    if (!table.signatureOk)
        Add(out, "signature", std::nullopt, 1, std::nullopt,
            "The first line is not \"2DA V1.0\": the open-source engine warns and reads on, and what the original "
            "engine does with such a table is not known.");
    if (table.encrypted)
        Add(out, "encrypted", std::nullopt, std::nullopt, std::nullopt,
            "The table is encrypted; the open-source engine decrypts it, whether the original engine does so for a "
            "table in override is not known.");
    std::int32_t value = DefaultValue(table);
    if (table.defaultLine == 1)
        Add(out, "single-line", std::nullopt, 1, std::nullopt,
            "The table has a single line: finding no second line, the open-source engine keeps this one as the "
            "default value, " + Quoted(table.defaultText) + ", which reads as " + Str(value) +
                " and is paid at every level for every activity; what the original engine does with such a table is "
                "not known.");
    else if (value != 0)
        Add(out, "default-not-zero", std::nullopt, table.defaultLine ? std::optional<int>(table.defaultLine) : std::nullopt,
            std::nullopt,
            "The default value " + Quoted(table.defaultText) + " reads as " + Str(value) +
                ", which every missing cell, every \"*\" and every missing row pays.");
}

std::string Lower(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string SurplusText(const TwoDaText& table, int pos)
{
    std::size_t labels = table.columnLabels.size(), cells = CellLimit(labels);
    return "Row " + Str(pos) + " has more cells than the engine splits it into: with " + Str(long(labels)) +
           (labels == 1 ? " column label" : " column labels") + " it takes " + Str(long(cells)) +
           " cells and joins the rest, spaces and all, into the last, " + Quoted(table.rows[pos].cells.back().text) +
           "; how the original engine reads it is not known.";
}

void CheckRowLabels(const TwoDaText& table, Findings& out)
{
    // Each label's first row, case-blind: one look-up a row, whatever the table's size.
    std::unordered_map<std::string, std::size_t> first;
    first.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const TwoDaRow& row = table.rows[i];
        int pos = static_cast<int>(i);
        if (row.indented)
            Add(out, "indented-row", pos, row.line, std::nullopt,
                "Row " + Str(pos) + " starts with a blank, so the engine reads an empty label and shifts every cell "
                "one level on; how the original engine reads it is not known.");
        if (row.surplus)
            Add(out, "surplus-cells", pos, row.line, std::nullopt, SurplusText(table, pos));
        if (!row.label.empty()) {
            auto [at, isNew] = first.try_emplace(Lower(row.label), i);
            if (!isNew)
                Add(out, "duplicate-label", pos, row.line, std::nullopt,
                    "Row " + Str(pos) + " repeats the label " + row.label + " of row " + Str(long(at->second)) +
                        "; the engine pays each row by its position, whatever its label.");
        }
        if (i < kTableRows && !SameNameIgnoringCase(row.label, ExpectedLabel(pos)))
            Add(out, "row-order", pos, row.line, std::nullopt,
                "Row " + Str(pos) + " is labelled " + Quoted(row.label) +
                    ", yet the open-source engine takes rows by position and pays its values for " + ActivityText(pos) +
                    "; whether the original engine goes by label is not known.");
    }
}

// Rows past the third: the open-source engine pays row 3 for picking pockets, and this
// tool writes three rows only.
void CheckLaterRows(const TwoDaText& table, Findings& out)
{
    std::size_t count = table.rows.size() > kTableRows ? table.rows.size() - kTableRows : 0;
    if (count == 0)
        return;
    std::vector<std::string> labels;
    for (std::size_t i = kTableRows; i < table.rows.size(); ++i)
        labels.push_back(table.rows[i].label);
    std::string which = count == 1 ? "Row 3 (" : "Rows 3 to " + Str(long(table.rows.size() - 1)) + " (";
    which += QuotedLabels(labels, "and", "more") + ")";
    Add(out, "extra-rows", int(kTableRows), table.rows[kTableRows].line, std::nullopt,
        which + (count == 1 ? " lies" : " lie") + " past the three rows this tool writes; the open-source engine "
        "pays row 3 for picking pockets. A write of this tool leaves " + (count == 1 ? "it" : "them") +
        " out; the back-up it keeps holds " + (count == 1 ? "it." : "them."));
}

void CheckRowLengths(const TwoDaText& table, Findings& out)
{
    int cap = LevelCap(table);
    if (!table.rows.empty() && cap < kLevels)
        Add(out, "level-cap", 0, table.rows[0].line, cap == 0 ? std::nullopt : std::optional<int>(cap),
            cap == 0 ? "The first data row has no cells, so the engine pays the default value at every level."
                     : "The first data row has " + Str(cap) + " cells, so the engine caps levels at " + Str(cap) +
                           ": every higher level pays what level " + Str(cap) + " pays.");
    // Only the levels the engine consults count: 1-40, and the spell's level 1-9 for scrolls.
    for (std::size_t i = 1; i < table.rows.size() && i < kTableRows; ++i) {
        int count = static_cast<int>(table.rows[i].cells.size()), used = std::min(cap, LevelsUsed(int(i)));
        if (count < used)
            Add(out, "short-row", int(i), table.rows[i].line, count + 1,
                "Row " + Str(long(i)) + " has " + Str(count) + " cells, fewer than the first data row's " + Str(cap) +
                    ": levels " + Str(count + 1) + " to " + Str(used) + " pay the default value.");
    }
    for (std::size_t i = table.rows.size(); i < kTableRows; ++i)
        Add(out, "missing-row", int(i), std::nullopt, std::nullopt,
            "There is no row " + Str(long(i)) + ", so the engine pays the default value, " + Str(DefaultValue(table)) +
                ", for " + ActivityText(int(i)) + ".");
}

void CheckCell(const TwoDaCell& cell, int row, int level, Findings& out)
{
    NumberReading r = ReadEngineNumber(cell.text);
    auto where = [&] { return "The cell " + Quoted(cell.text) + " (row " + Str(row) + ", level " + Str(level) + ")"; };
    bool digits = cell.text.find_first_not_of("0123456789", cell.text[0] == '-' || cell.text[0] == '+') ==
                  std::string::npos;
    std::int32_t decimal = ReadDecimal(cell.text);
    if (digits && r.value != decimal)
        Add(out, "leading-zero", row, cell.line, level,
            where() + " starts with 0, so the open-source engine reads it in octal as " + Str(r.value) + ", not " +
                Str(decimal) + "; how the original engine reads it is not known.");
    else if (r.base == 16)
        Add(out, "hex", row, cell.line, level,
            where() + " is hexadecimal; the open-source engine reads it as " + Str(r.value) +
                ", how the original engine reads it is not known.");
    else if (!r.anyDigits || r.trailing)
        Add(out, "not-a-number", row, cell.line, level,
            where() + " is not a plain number; the open-source engine reads it as " + Str(r.value) + ".");
    if (r.value < 0)
        Add(out, "negative", row, cell.line, level, where() + " is negative: " + Str(r.value) + ".");
    if (r.value > 9999)
        Add(out, "over-9999", row, cell.line, level,
            where() + " pays " + Str(r.value) + ", more than the program's grid can show.");
}

void CheckCells(const TwoDaText& table, Findings& out)
{
    int cap = LevelCap(table);
    for (std::size_t i = 0; i < table.rows.size() && i < kTableRows; ++i) {
        const auto& cells = table.rows[i].cells;
        int used = std::min({cap, LevelsUsed(int(i)), int(cells.size())});
        for (int k = 0; k < used; ++k)
            if (cells[k].text != "*" && !cells[k].joined)
                CheckCell(cells[k], int(i), k + 1, out);
    }
}

}  // namespace

std::vector<Finding> TableFindings(const TwoDaText& table)
{
    Findings out;
    CheckHeader(table, out);
    CheckRowLabels(table, out);
    CheckRowLengths(table, out);
    CheckLaterRows(table, out);
    CheckCells(table, out);
    return out;
}

std::string QuotedLabels(const std::vector<std::string>& labels, const std::string& andWord,
                         const std::string& moreWord)
{
    constexpr std::size_t kMostNamed = 10;
    std::string text;
    for (std::size_t i = 0; i < labels.size() && i < kMostNamed; ++i)
        text += (i ? ", " : "") + Quoted(labels[i]);
    if (labels.size() > kMostNamed)
        text += " " + andWord + " " + Str(long(labels.size() - kMostNamed)) + (moreWord.empty() ? "" : " " + moreWord);
    return text;
}

Finding MissingTableFinding()
{
    return {"missing", std::nullopt, std::nullopt, std::nullopt,
            "The game has no XPBONUS table, so the engine pays no bonus experience at all."};
}

Finding CaseDuplicatesFinding(const std::vector<Path>& spellings, const Path& read)
{
    std::string list;
    for (const Path& p : spellings)
        list += (list.empty() ? "" : ", ") + ToUtf8(p);
    return {"case-duplicates", std::nullopt, std::nullopt, std::nullopt,
            "The override table exists in several letter cases (" + list + "); this reader takes " + ToUtf8(read) +
                ", and which one the engine takes is not known."};
}

}  // namespace game
