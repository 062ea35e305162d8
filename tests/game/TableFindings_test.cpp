#include <gtest/gtest.h>

#include <algorithm>

#include "table/Templates.h"
#include "table/XpBonusTable.h"
#include "tests/tools/ArchiveWriter.h"
#include "game/TableFindings.h"
#include "game/TableReading.h"
#include "tests/game/TempFolder.h"

namespace game {
namespace {

using namespace gametools;

std::string Row(const std::string& label, const std::string& value, int cells = 40)
{
    std::string row = label;
    for (int i = 0; i < cells; ++i)
        row += " " + value;
    return row + "\r\n";
}

std::string Table(const std::string& rows, const std::string& head = "2DA V1.0\r\n0\r\n")
{
    std::string header;
    for (int level = 1; level <= 40; ++level)
        header += " " + std::to_string(level);
    return head + header + "\r\n" + rows;
}

const std::string kLocks = Row("PICK_LOCK", "250"), kTraps = Row("DISARM_TRAP", "1000"),
                  kScrolls = Row("LEARN_SPELL", "1000");

std::string WithFirstCell(const std::string& row, const std::string& cell)
{
    std::size_t at = row.find(' ') + 1;
    return row.substr(0, at) + cell + row.substr(row.find(' ', at));
}

TEST(TableFindings, EachFindingWithItsRowLineAndLevel)
{
    struct Case {
        const char* code;
        std::string text;
        std::optional<int> row, line, level;
    } cases[] = {
        {"leading-zero", Table(WithFirstCell(kLocks, "0250") + kTraps + kScrolls), 0, 4, 1},
        {"hex", Table(kLocks + WithFirstCell(kTraps, "0x10") + kScrolls), 1, 5, 1},
        {"not-a-number", Table(kLocks + kTraps + WithFirstCell(kScrolls, "12a")), 2, 6, 1},
        {"negative", Table(WithFirstCell(kLocks, "-5") + kTraps + kScrolls), 0, 4, 1},
        {"over-9999", Table(WithFirstCell(kLocks, "10000") + kTraps + kScrolls), 0, 4, 1},
        {"short-row", Table(kLocks + Row("DISARM_TRAP", "1000", 10) + kScrolls), 1, 5, 11},
        {"short-row", Table(kLocks + kTraps + Row("LEARN_SPELL", "1000", 8)), 2, 6, 9},
        {"level-cap", Table(Row("PICK_LOCK", "250", 30) + kTraps + kScrolls), 0, 4, 30},
        {"missing-row", Table(kLocks + kTraps), 2, std::nullopt, std::nullopt},
        {"row-order", Table(kTraps + kLocks + kScrolls), 0, 4, std::nullopt},
        {"duplicate-label", Table(kLocks + kTraps + kScrolls + kLocks), 3, 7, std::nullopt},
        {"extra-rows", Table(kLocks + kTraps + kScrolls + Row("PICK_POCKET", "5")), 3, 7, std::nullopt},
        {"indented-row", Table(kLocks + kTraps + " " + kScrolls), 2, 6, std::nullopt},
        {"surplus-cells", Table(Row("PICK_LOCK", "250", 41) + kTraps + kScrolls), 0, 4, std::nullopt},
        {"signature", Table(kLocks + kTraps + kScrolls, "2DA V2.0\r\n0\r\n"), std::nullopt, 1, std::nullopt},
        {"default-not-zero", Table(kLocks + kTraps + kScrolls, "2DA V1.0\r\n5\r\n"), std::nullopt, 2, std::nullopt},
        {"single-line", "2DA V1.0", std::nullopt, 1, std::nullopt},
        {"encrypted", EncryptText(Table(kLocks + kTraps + kScrolls)), std::nullopt, std::nullopt, std::nullopt},
    };
    gametest::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        WriteBytes(folder.Path() / "t.2da", c.text);
        TableReading reading = ReadTableFile(folder.Path() / "t.2da");
        auto found = std::find_if(reading.findings.begin(), reading.findings.end(),
                                  [&](const Finding& f) { return f.code == c.code; });
        ASSERT_NE(found, reading.findings.end());
        EXPECT_EQ(found->row, c.row);
        EXPECT_EQ(found->line, c.line);
        EXPECT_EQ(found->level, c.level);
        EXPECT_FALSE(found->message.empty());
    }
}

// A file of one line has no second line: the engine keeps the first, trimmed, as the default
// and pays it everywhere. A lone CR at the end opens an empty second line, and an empty file
// has no line at all.
TEST(TableFindings, SingleLineIsAlsoTheDefault)
{
    struct Case {
        const char* text;
        const char* defaultText;
        std::int32_t pays;
        std::vector<std::string> codes;
    } cases[] = {
        {"5", "5", 5, {"signature", "single-line", "missing-row", "missing-row", "missing-row"}},
        {"2DA V1.0", "2DA", 2, {"single-line", "missing-row", "missing-row", "missing-row"}},
        {"  2DA V1.0 x\r\n", "2DA", 2, {"single-line", "missing-row", "missing-row", "missing-row"}},
        {"\t7 x\n", "7", 7, {"signature", "single-line", "missing-row", "missing-row", "missing-row"}},
        {"5\r", "", 0, {"signature", "missing-row", "missing-row", "missing-row"}},
        {"", "", 0, {"signature", "missing-row", "missing-row", "missing-row"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TableReading reading = ReadTableBytes(c.text, {});
        EXPECT_EQ(reading.defaultText, c.defaultText);
        std::array<std::int32_t, kLevels> pays;
        pays.fill(c.pays);
        for (const ActivityReading& a : reading.activities)
            EXPECT_EQ(a.levels, pays);
        std::vector<std::string> codes;
        for (const Finding& f : reading.findings)
            codes.emplace_back(f.code);
        EXPECT_EQ(codes, c.codes);
        for (const Finding& f : reading.findings)
            EXPECT_TRUE(f.code != "single-line" || f.message.find("reads as " + std::to_string(c.pays)) != std::string::npos)
                << f.message;
    }
}

// Cells the engine never consults: scrolls beyond the spell's level 9, levels beyond 40.
TEST(TableFindings, CellsBeyondTheLevelsUsedGiveNoFinding)
{
    gametest::TempFolder folder;
    WriteBytes(folder.Path() / "t.2da",
               Table(Row("PICK_LOCK", "250", 60) + Row("DISARM_TRAP", "1000", 45) + Row("LEARN_SPELL", "1000", 9)));
    for (const Finding& f : ReadTableFile(folder.Path() / "t.2da").findings)
        EXPECT_EQ(f.code, "surplus-cells");
    // A "*" pays the default value: no odd cell either.
    EXPECT_TRUE(ReadTableBytes(Table(kLocks + kTraps + Row("LEARN_SPELL", "*")), {}).findings.empty());
}

TEST(TableFindings, RowsPastTheThirdAreNamedAndKept)
{
    TableReading reading = ReadTableBytes(Table(kLocks + kTraps + kScrolls + Row("PICK_POCKET", "5") + Row("x", "1")), {});
    EXPECT_EQ(reading.laterRows, (std::vector<std::string>{"PICK_POCKET", "x"}));
    ASSERT_EQ(reading.findings.size(), 1u);
    EXPECT_EQ(reading.findings[0].message,
              "Rows 3 to 4 (\"PICK_POCKET\", \"x\") lie past the three rows this tool writes; the open-source engine "
              "pays row 3 for picking pockets. A write of this tool leaves them out; the back-up it keeps holds them.");
    std::vector<std::string> many(12, "R");
    std::string ten = "\"R\"";
    for (int i = 1; i < 10; ++i)
        ten += ", \"R\"";
    EXPECT_EQ(QuotedLabels(many, "and", "more"), ten + " and 2 more");
    many.resize(10);
    EXPECT_EQ(QuotedLabels(many, "and", "more"), ten);
    many.resize(11);
    EXPECT_EQ(QuotedLabels(many, "and", ""), ten + " and 1");  // no last word, no blank for it
}

// Labels repeat in any letter case, and each repeat names the first row of its label.
TEST(TableFindings, RepeatedLabelsNameTheirFirstRow)
{
    TableReading reading = ReadTableBytes(
        Table(kLocks + Row("x", "1") + Row("pick_lock", "1") + Row("X", "1") + Row("Pick_Lock", "1") + Row("xx", "1")), {});
    std::vector<std::pair<int, std::string>> repeats;
    for (const Finding& f : reading.findings)
        if (f.code == "duplicate-label")
            repeats.emplace_back(*f.row, f.message.substr(0, f.message.find(';')));
    EXPECT_EQ(repeats, (std::vector<std::pair<int, std::string>>{{2, "Row 2 repeats the label pick_lock of row 0"},
                                                                 {3, "Row 3 repeats the label X of row 1"},
                                                                 {4, "Row 4 repeats the label Pick_Lock of row 0"}}));
}

TEST(TableFindings, WhatTheOriginalEngineDoesIsNotClaimed)
{
    gametest::TempFolder folder;
    WriteBytes(folder.Path() / "t.2da", Table(WithFirstCell(kLocks, "0090") + kTraps + kScrolls));
    TableReading reading = ReadTableFile(folder.Path() / "t.2da");
    ASSERT_EQ(reading.findings.size(), 1u);
    EXPECT_EQ(reading.activities[0].levels[0], 0);
    EXPECT_NE(reading.findings[0].message.find("original engine reads it is not known"), std::string::npos);
}

TEST(TemplateMatching, StockTableAndTheWritersOldRowOrder)
{
    gametest::TempFolder folder;
    WriteBytes(folder.Path() / "stock.2da", StockTableText());
    TableReading stock = ReadTableFile(folder.Path() / "stock.2da");
    EXPECT_TRUE(stock.findings.empty());
    for (const ActivityReading& a : stock.activities)
        EXPECT_EQ(a.templateChoice, 1);

    // Traps first, as the program wrote it before: the engine pays the traps values for locks.
    std::string text = StockTableText();
    std::size_t locks = text.find("PICK_LOCK"), traps = text.find("DISARM_TRAP"), scrolls = text.find("LEARN_SPELL");
    std::string swapped = text.substr(0, locks) + text.substr(traps, scrolls - traps) +
                          text.substr(locks, traps - locks) + text.substr(scrolls);
    WriteBytes(folder.Path() / "old.2da", swapped);
    TableReading old = ReadTableFile(folder.Path() / "old.2da");
    EXPECT_EQ(old.activities[0].levels, stock.activities[1].levels);
    EXPECT_EQ(old.activities[1].levels, stock.activities[0].levels);
    EXPECT_EQ(old.activities[0].templateChoice, std::nullopt);
    ASSERT_EQ(old.findings.size(), 2u);
    EXPECT_EQ(old.findings[0].code, "row-order");
    EXPECT_EQ(old.findings[1].row, 1);
}

TEST(TemplateMatching, EveryFileTheWindowWritesReadsBackAsItsChoices)
{
    gametest::TempFolder folder;
    app::BuiltInTemplates templates;
    const int columns[] = {app::kLocksColumn, app::kTrapsColumn, app::kScrollsColumn};  // engine row order
    for (int n = 0; n < 6 * 6 * 6; ++n) {
        int choices[] = {n % 6, n / 6 % 6, n / 36};
        app::CellTable cells;
        for (int i = 0; i < 3; ++i)
            app::ApplyChoice(templates, columns[i], choices[i], cells);
        WriteBytes(folder.Path() / "w.2da", app::RenderXpBonusText(cells));
        TableReading reading = ReadTableFile(folder.Path() / "w.2da");
        SCOPED_TRACE(n);
        EXPECT_TRUE(reading.findings.empty());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(reading.activities[i].templateChoice, choices[i]);
    }
}

}  // namespace
}  // namespace game
