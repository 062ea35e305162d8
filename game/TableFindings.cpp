#include "game/TableFindings.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>

#include "game/EngineNumber.h"
#include "game/EngineTable.h"
#include "game/JoinText.h"

namespace game {

namespace {

using Findings = std::vector<Finding>;

void Add(Findings& out, std::string_view code, std::optional<int> row, std::optional<int> line,
         std::optional<int> level, std::string message)
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
            JoinText("The table has a single line: finding no second line, the open-source engine keeps this one as "
                     "the default value, \"", table.defaultText, "\", which reads as ", value,
                     " and is paid at every level for every activity; what the original engine does with such a "
                     "table is not known."));
    else if (value != 0)
        Add(out, "default-not-zero", std::nullopt, table.defaultLine ? std::optional<int>(table.defaultLine) : std::nullopt,
            std::nullopt,
            JoinText("The default value \"", table.defaultText, "\" reads as ", value,
                     ", which every missing cell, every \"*\" and every missing row pays."));
}

// FNV-1a over the label with ASCII letters made small: equal in any letter case, equal hash.
std::uint64_t CaseBlindHash(std::string_view label)
{
    std::uint64_t hash = 14695981039346656037u;
    for (char c : label) {
        const unsigned byte = static_cast<unsigned char>(c);
        hash = (hash ^ (byte - 'A' < 26u ? byte + 32u : byte)) * 1099511628211u;
    }
    return hash;
}

// For each row, the first row before it with the same label in any letter case, or npos.
// The labels' hashes sorted with their rows bring equal labels together in row order, with
// no string made per row; a label that differs from the first of its hash is a collision
// and is matched against the other firsts there.
std::vector<std::size_t> EarlierSameLabel(const std::vector<TwoDaRow>& rows)
{
    std::vector<std::size_t> earlier(rows.size(), std::string::npos);
    if (rows.size() < 2)
        return earlier;
    std::vector<std::pair<std::uint64_t, std::size_t>> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].label.empty())
            keyed.emplace_back(CaseBlindHash(rows[i].label), i);
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t k = 0, end = 0; k < keyed.size(); k = end) {
        while (end < keyed.size() && keyed[end].first == keyed[k].first)
            ++end;
        for (std::size_t j = k + 1; j < end; ++j)
            for (std::size_t m = k; m < j; ++m) {
                const std::size_t first = keyed[m].second, row = keyed[j].second;
                if (earlier[first] == std::string::npos && SameNameIgnoringCase(rows[first].label, rows[row].label)) {
                    earlier[row] = first;
                    break;
                }
            }
    }
    return earlier;
}

std::string SurplusText(const TwoDaText& table, int pos)
{
    std::size_t labels = table.columnLabels.size(), cells = CellLimit(labels);
    return JoinText("Row ", pos, " has more cells than the engine splits it into: with ", long(labels),
                    labels == 1 ? " column label" : " column labels", " it takes ", long(cells),
                    " cells and joins the rest, spaces and all, into the last, \"", table.rows[pos].cells.back().text,
                    "\"; how the original engine reads it is not known.");
}

void CheckRowLabels(const TwoDaText& table, Findings& out)
{
    const std::vector<std::size_t> earlier = EarlierSameLabel(table.rows);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const TwoDaRow& row = table.rows[i];
        int pos = static_cast<int>(i);
        if (row.indented)
            Add(out, "indented-row", pos, row.line, std::nullopt,
                JoinText("Row ", pos, " starts with a blank, so the engine reads an empty label and shifts every "
                         "cell one level on; how the original engine reads it is not known."));
        if (row.surplus)
            Add(out, "surplus-cells", pos, row.line, std::nullopt, SurplusText(table, pos));
        if (earlier[i] != std::string::npos)
            Add(out, "duplicate-label", pos, row.line, std::nullopt,
                JoinText("Row ", pos, " repeats the label ", row.label, " of row ", long(earlier[i]),
                         "; the engine pays each row by its position, whatever its label."));
        if (i < kTableRows && !SameNameIgnoringCase(row.label, ExpectedLabel(pos)))
            Add(out, "row-order", pos, row.line, std::nullopt,
                JoinText("Row ", pos, " is labelled \"", row.label,
                         "\", yet the open-source engine takes rows by position and pays its values for ",
                         ActivityText(pos), "; whether the original engine goes by label is not known."));
    }
}

// "\"A\", \"B\"" for the first ten of `count` labels, then "<and> 5 <more>": sized first, so
// the text is allocated once and no piece is a string of its own.
template <class LabelAt>
std::string QuoteLabels(std::size_t count, LabelAt labelAt, std::string_view andWord, std::string_view moreWord)
{
    constexpr std::size_t kMostNamed = 10;
    const std::size_t named = std::min(count, kMostNamed);
    const std::string more = count > kMostNamed ? JoinText(" ", andWord, " ", long(count - kMostNamed),
                                                           moreWord.empty() ? "" : " ", moreWord)
                                                : std::string();
    std::size_t size = more.size();
    for (std::size_t i = 0; i < named; ++i)
        size += labelAt(i).size() + 4;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < named; ++i) {
        text += i ? ", \"" : "\"";
        text += labelAt(i);
        text += '"';
    }
    text += more;
    return text;
}

// Rows past the third: the open-source engine pays row 3 for picking pockets, and this
// tool writes three rows only.
void CheckLaterRows(const TwoDaText& table, Findings& out)
{
    std::size_t count = table.rows.size() > kTableRows ? table.rows.size() - kTableRows : 0;
    if (count == 0)
        return;
    auto labelAt = [&](std::size_t i) { return table.rows[kTableRows + i].label; };
    std::string which = count == 1 ? std::string("Row 3 (") : JoinText("Rows 3 to ", long(table.rows.size() - 1), " (");
    Add(out, "extra-rows", int(kTableRows), table.rows[kTableRows].line, std::nullopt,
        JoinText(which, QuoteLabels(count, labelAt, "and", "more"), ")", count == 1 ? " lies" : " lie",
                 " past the three rows this tool writes; the open-source engine pays row 3 for picking pockets. A "
                 "write of this tool leaves ",
                 count == 1 ? "it" : "them", " out; the back-up it keeps holds ", count == 1 ? "it." : "them."));
}

void CheckRowLengths(const TwoDaText& table, Findings& out)
{
    int cap = LevelCap(table);
    if (!table.rows.empty() && cap < kLevels)
        Add(out, "level-cap", 0, table.rows[0].line, cap == 0 ? std::nullopt : std::optional<int>(cap),
            cap == 0 ? std::string("The first data row has no cells, so the engine pays the default value at every "
                                   "level.")
                     : JoinText("The first data row has ", cap, " cells, so the engine caps levels at ", cap,
                                ": every higher level pays what level ", cap, " pays."));
    // Only the levels the engine consults count: 1-40, and the spell's level 1-9 for scrolls.
    for (std::size_t i = 1; i < table.rows.size() && i < kTableRows; ++i) {
        int count = static_cast<int>(table.rows[i].cells.size()), used = std::min(cap, LevelsUsed(int(i)));
        if (count < used)
            Add(out, "short-row", int(i), table.rows[i].line, count + 1,
                JoinText("Row ", long(i), " has ", count, " cells, fewer than the first data row's ", cap,
                         ": levels ", count + 1, " to ", used, " pay the default value."));
    }
    for (std::size_t i = table.rows.size(); i < kTableRows; ++i)
        Add(out, "missing-row", int(i), std::nullopt, std::nullopt,
            JoinText("There is no row ", long(i), ", so the engine pays the default value, ", DefaultValue(table),
                     ", for ", ActivityText(int(i)), "."));
}

// Digits only, after one sign.
bool PlainDigits(std::string_view text)
{
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void CheckCell(const TwoDaCell& cell, int row, int level, Findings& out)
{
    NumberReading r = ReadEngineNumber(cell.text);
    auto said = [&](auto... rest) {
        return JoinText("The cell \"", cell.text, "\" (row ", row, ", level ", level, ")", rest...);
    };
    std::int32_t decimal = 0;
    // Only a leading 0 reads otherwise than in base 10; a hex prefix is not plain digits.
    if (r.base == 8 && PlainDigits(cell.text) && r.value != (decimal = ReadDecimal(cell.text)))
        Add(out, "leading-zero", row, cell.line, level,
            said(" starts with 0, so the open-source engine reads it in octal as ", r.value, ", not ", decimal,
                 "; how the original engine reads it is not known."));
    else if (r.base == 16)
        Add(out, "hex", row, cell.line, level,
            said(" is hexadecimal; the open-source engine reads it as ", r.value,
                 ", how the original engine reads it is not known."));
    else if (!r.anyDigits || r.trailing)
        Add(out, "not-a-number", row, cell.line, level,
            said(" is not a plain number; the open-source engine reads it as ", r.value, "."));
    if (r.value < 0)
        Add(out, "negative", row, cell.line, level, said(" is negative: ", r.value, "."));
    if (r.value > 9999)
        Add(out, "over-9999", row, cell.line, level,
            said(" pays ", r.value, ", more than the program's grid can show."));
}

// The cells of one of the first three rows that the engine consults: up to the cap, and to
// the levels it uses.
std::span<const TwoDaCell> ConsultedCells(const TwoDaText& table, std::size_t row)
{
    const auto& cells = table.rows[row].cells;
    return cells.first(std::size_t(std::min({LevelCap(table), LevelsUsed(int(row)), int(cells.size())})));
}

void CheckCells(const TwoDaText& table, Findings& out)
{
    for (std::size_t i = 0; i < table.rows.size() && i < kTableRows; ++i) {
        int level = 0;
        for (const TwoDaCell& cell : ConsultedCells(table, i)) {
            ++level;
            if (cell.text != "*" && !cell.joined)
                CheckCell(cell, int(i), level, out);
        }
    }
}

}  // namespace

std::vector<Finding> TableFindings(const TwoDaText& table)
{
    Findings out;
    // Most tables have a finding or two for each row or odd cell, and few cells are odd.
    std::size_t room = 8 + table.rows.size();
    for (std::size_t i = 0; i < table.rows.size() && i < kTableRows; ++i)
        room += ConsultedCells(table, i).size();
    out.reserve(room);
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
    return QuoteLabels(labels.size(), [&](std::size_t i) -> const std::string& { return labels[i]; }, andWord,
                       moreWord);
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
            JoinText("The override table exists in several letter cases (", list, "); this reader takes ", ToUtf8(read),
                     ", and which one the engine takes is not known.")};
}

}  // namespace game
