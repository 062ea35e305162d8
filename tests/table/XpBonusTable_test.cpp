#include "table/XpBonusTable.h"

#include <gtest/gtest.h>

#include <sstream>

#include "table/Digits.h"
#include "table/Templates.h"

namespace app {
namespace {

// The one digit rule: what the key filter keeps, what a paste keeps, what counts as a number.
TEST(Digits, OnlyTheTenDecimalDigitsCount)
{
    struct Case {
        std::string text, digits;
        bool allDigits;
    } cases[] = {
        {"0123456789", "0123456789", true}, {"", "", true},      {"1 2a3", "123", false},
        {"\xB9\xB2", "", false},            {"-5", "5", false}, {"12\r\n", "12", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(DigitsOf(c.text), c.digits);
        EXPECT_EQ(AllDigits(c.text), c.allDigits);
    }
}

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line break";
    return lines;
}

std::string Repeat(const std::string& cell, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += cell;
    return s;
}

CellTable StartingTable()
{
    CellTable cells;
    BuiltInTemplates templates;
    CopyColumn(templates.Lines(0), kTrapsColumn, cells);
    CopyColumn(templates.Lines(1), kLocksColumn, cells);
    CopyColumn(templates.Lines(2), kScrollsColumn, cells);
    return cells;
}

TEST(XpBonusTable, StartingTemplatesGiveTheWorkedExample)
{
    CellTable cells = StartingTable();
    std::string text = RenderXpBonusText(cells);
    EXPECT_EQ(text.size(), 868u);

    std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "2DA V1.0");
    EXPECT_EQ(lines[1], "0");
    std::ostringstream header;
    header << std::string(14, ' ');
    for (int level = 1; level <= 39; ++level) {
        std::string n = std::to_string(level);
        header << n << std::string(5 - n.size(), ' ');
    }
    header << "40";
    EXPECT_EQ(lines[2], header.str());

    // Lock picking comes first, as in the game's own table.
    EXPECT_EQ(lines[3], "PICK_LOCK     " + Repeat("250  ", 5) + Repeat("400  ", 5) + Repeat("950  ", 5) +
                            Repeat("1550 ", 24) + "1550");
    EXPECT_EQ(lines[4], "DISARM_TRAP   " + Repeat("1000 ", 5) + Repeat("1750 ", 5) + Repeat("2750 ", 5) +
                            Repeat("3250 ", 24) + "3250");
    EXPECT_EQ(lines[5], "LEARN_SPELL   1000 2000 3000 4000 5000 6000 7000 8000 9000 0" + Repeat("    0", 30));

    const size_t lengths[] = {8, 1, 211, 213, 213, 210};
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(lines[i].size(), lengths[i]);
    }
}

TEST(XpBonusTable, ValuesLineUpUnderTheirLevels)
{
    CellTable cells = StartingTable();
    cells.SetCell(kTrapsColumn, 7, "9");
    cells.SetCell(kLocksColumn, 33, "12");
    std::vector<std::string> lines = SplitCrLf(RenderXpBonusText(cells));
    // Level n starts at character 15 + 5 (n - 1), counted from 1.
    EXPECT_EQ(lines[2].substr(14 + 5 * 6, 2), "7 ");
    EXPECT_EQ(lines[4].substr(14 + 5 * 6, 5), "9    ");
    EXPECT_EQ(lines[2].substr(14 + 5 * 32, 3), "33 ");
    EXPECT_EQ(lines[3].substr(14 + 5 * 32, 5), "12   ");
}

TEST(XpBonusTable, EmptyCellsAreWrittenAsZeroAndSetInTheTable)
{
    CellTable cells = StartingTable();
    cells.SetCell(kTrapsColumn, 1, "");
    cells.SetCell(kTrapsColumn, 40, "");
    cells.SetCell(kLocksColumn, 2, "");
    cells.SetCell(kScrollsColumn, 9, "");
    cells.SetCell(kScrollsColumn, 1, " ");  // a space is not empty
    std::vector<std::string> lines = SplitCrLf(RenderXpBonusText(cells));

    EXPECT_EQ(lines[4].substr(14, 10), "0    1000 ");
    EXPECT_EQ(lines[4].substr(lines[4].size() - 6), "3250 0");
    EXPECT_EQ(lines[3].substr(14, 10), "250  0    ");
    EXPECT_EQ(lines[5].substr(14, 5), "     ");
    EXPECT_EQ(lines[5].substr(14 + 40, 6), "0    0");
    EXPECT_EQ(cells.Cell(kTrapsColumn, 1), "0");
    EXPECT_EQ(cells.Cell(kTrapsColumn, 40), "0");
    EXPECT_EQ(cells.Cell(kLocksColumn, 2), "0");
    EXPECT_EQ(cells.Cell(kScrollsColumn, 9), "0");
    EXPECT_EQ(cells.Cell(kScrollsColumn, 1), " ");
    // Scroll levels past 9 are never read, so they stay empty.
    EXPECT_EQ(cells.Cell(kScrollsColumn, 10), "");
}

TEST(XpBonusTable, LeadingZerosAreDroppedInFileAndTable)
{
    struct Case {
        const char* cell;
        const char* written;
    } cases[] = {{"0250", "250"}, {"0000", "0"}, {"0", "0"}, {"007", "7"}, {"1000", "1000"}, {"", "0"},
                 {"12a", "12a"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        CellTable cells = StartingTable();
        cells.SetCell(kLocksColumn, 1, c.cell);
        std::string row = LocksRow(cells);
        EXPECT_EQ(row.substr(14, 5), (std::string(c.written) + "     ").substr(0, 5));
        EXPECT_EQ(cells.Cell(kLocksColumn, 1), c.written);
    }
}

TEST(XpBonusTable, AllZeroTemplatesAndFourDigitScrollValue)
{
    CellTable cells;
    BuiltInTemplates templates;
    CopyColumn(templates.Lines(15), kTrapsColumn, cells);
    CopyColumn(templates.Lines(16), kLocksColumn, cells);
    CopyColumn(templates.Lines(17), kScrollsColumn, cells);
    cells.SetCell(kScrollsColumn, 9, "9999");
    std::vector<std::string> lines = SplitCrLf(RenderXpBonusText(cells));
    EXPECT_EQ(lines[4], "DISARM_TRAP   0" + Repeat("    0", 39));
    EXPECT_EQ(lines[3], "PICK_LOCK     0" + Repeat("    0", 39));
    EXPECT_EQ(lines[5], "LEARN_SPELL   " + Repeat("0    ", 8) + "9999 0" + Repeat("    0", 30));
}

}  // namespace
}  // namespace app
