#include <gtest/gtest.h>

#include <climits>

#include "game/EngineNumber.h"
#include "game/EngineTable.h"
#include "game/TwoDaText.h"

namespace game {
namespace {

TEST(EngineNumber, BaseZeroConversionClampedToInt)
{
    struct Case {
        const char* text;
        std::int32_t value;
        int base;
        bool anyDigits, trailing;
    } cases[] = {
        {"250", 250, 10, true, false},          {"0250", 168, 8, true, false},
        {"0090", 0, 8, true, true},             {"0x1F", 31, 16, true, false},
        {"0X1f", 31, 16, true, false},          {"0x", 0, 8, true, true},
        {"-5", -5, 10, true, false},            {"+7", 7, 10, true, false},
        {"12abc", 12, 10, true, true},          {"abc", 0, 10, false, true},
        {"", 0, 10, false, false},              {"99999999999", INT_MAX, 10, true, false},
        {"-99999999999", INT_MIN, 10, true, false}, {"1550 1550", 1550, 10, true, true},
        {"\v\f-0x10", -16, 16, true, false},      {"\t+012 ", 10, 8, true, true},
        {"0x1", 1, 16, true, false},            {"+0xg", 0, 8, true, true},
        {"-", 0, 10, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        NumberReading r = ReadEngineNumber(c.text);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.base, c.base);
        EXPECT_EQ(r.anyDigits, c.anyDigits);
        EXPECT_EQ(r.trailing, c.trailing);
    }
    EXPECT_EQ(ReadDecimal("0250"), 250);
}

TEST(TwoDaText, LinesTabsCommentsAndRows)
{
    // CR LF, a lone CR and LF; a tab; a comment; an indented row; surplus cells.
    TwoDaText t = ParseTwoDa("  2DA V1.0 x\r\n5 junk\r# note\rA B C\n\nR1\t1 2 3 4  5  \n 9 8\n/x\nR3\n");
    EXPECT_TRUE(t.signatureOk);
    EXPECT_EQ(t.defaultText, "5");
    EXPECT_EQ(t.defaultLine, 2);
    EXPECT_EQ(t.columnLabels, (std::vector<std::string_view>{"A", "B", "C"}));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[0].label, "R1");
    EXPECT_EQ(t.rows[0].line, 6);
    ASSERT_EQ(t.rows[0].cells.size(), 3u);
    EXPECT_EQ(t.rows[0].cells[2].text, "3 4  5");
    EXPECT_TRUE(t.rows[0].surplus);
    EXPECT_TRUE(t.rows[1].indented);
    EXPECT_EQ(t.rows[1].label, "");
    EXPECT_EQ(t.rows[1].cells[0].text, "9");
    EXPECT_EQ(t.rows[2].cells.size(), 0u);
    EXPECT_EQ(t.rows[2].line, 9);

    EXPECT_EQ(ParseTwoDa(" 0\n7\n").defaultText, "7");  // line 1 is always the signature
    EXPECT_EQ(ParseTwoDa("2DA V1.0\n 7\n").defaultText, "");  // a leading blank: empty default
    EXPECT_FALSE(ParseTwoDa("2DA V1.1\n").signatureOk);
    // Tabs as the text's first and last bytes are blanks too.
    TwoDaText tabs = ParseTwoDa("\t2DA V1.0\n0\nA B\nR 1\t");
    EXPECT_TRUE(tabs.signatureOk);
    EXPECT_EQ(tabs.rows[0].cells[0].text, "1");
}

// The column-label line decides how many cells a row is split into: no limit for none, two
// for one name, N for N; a line ending in a blank names one more. Only spaces and tabs part
// cells, and a number skips only C white space, so 0xA0 stays in the cell and stops it.
TEST(TwoDaText, LabelLineLimitsTheCellsOfEveryRow)
{
    struct Case {
        const char* labels;
        const char* row;
        std::size_t names;
        int cap;
        std::vector<int> levels;  // 1 to 4
        bool surplus;
    } cases[] = {
        {"", "5", 0, 1, {5, 5, 5, 5}, false},
        {"   ", "5 6 7", 0, 3, {5, 6, 7, 7}, false},
        {"V", "5 6", 1, 2, {5, 6, 6, 6}, false},
        {"V", "5 6 7", 1, 2, {5, 6, 6, 6}, true},
        {"A B ", "5 6 7", 3, 3, {5, 6, 7, 7}, false},
        {"A B", "5 6 7", 2, 2, {5, 6, 6, 6}, true},
        {"A B C", "5\xA0" "6 7", 3, 2, {5, 7, 7, 7}, false},
        {"A B", "\xA0" "5 \v6", 2, 2, {0, 6, 6, 6}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.labels + "\" / " + c.row);
        TwoDaText t = ParseTwoDa(std::string("2DA V1.0\n0\n") + c.labels + "\nPICK_LOCK " + c.row + "\n");
        EXPECT_EQ(t.columnLabels.size(), c.names);
        EXPECT_EQ(LevelCap(t), c.cap);
        auto levels = EngineLevels(t, 0);
        EXPECT_EQ((std::vector<int>{levels[0], levels[1], levels[2], levels[3]}), c.levels);
        EXPECT_EQ(t.rows[0].surplus, c.surplus);
    }
}

TEST(TwoDaText, EncryptedTextIsDecrypted)
{
    std::string plain = "2DA V1.0\r\n0\r\n";
    std::string bytes = "\xFF\xFF";
    const unsigned char key[] = {0x88, 0xa8, 0x8f, 0xba, 0x8a, 0xd3, 0xb9, 0xf5, 0xed, 0xb1, 0xcf, 0xea, 0xaa};
    for (std::size_t i = 0; i < plain.size(); ++i)
        bytes += static_cast<char>(static_cast<unsigned char>(plain[i]) ^ key[i]);
    TwoDaText t = ParseTwoDa(bytes);
    EXPECT_TRUE(t.encrypted);
    EXPECT_TRUE(t.signatureOk);
    EXPECT_EQ(t.defaultText, "0");
}

// The rows and cells look into the table's own buffers, which a move hands over whole.
TEST(TwoDaText, MovedTableKeepsItsText)
{
    std::vector<TwoDaText> tables;
    tables.push_back(ParseTwoDa("2DA V1.0\n0\nA B\nR1 1 2\nR2 3\n"));
    tables.push_back(ParseTwoDa("2DA V1.0\n0\nA\nS 4\n"));  // the first is moved as the vector grows
    TwoDaText moved;
    moved = std::move(tables[0]);
    ASSERT_EQ(moved.rows.size(), 2u);
    EXPECT_EQ(moved.rows[0].label, "R1");
    EXPECT_EQ(moved.rows[0].cells[1].text, "2");
    EXPECT_EQ(moved.rows[1].cells.size(), 1u);
    EXPECT_EQ(moved.rows[1].cells[0].text, "3");
    EXPECT_EQ(moved.defaultText, "0");
    EXPECT_EQ(tables[1].rows[0].cells[0].text, "4");
}

TEST(EngineTable, LevelsByCapStarAndDefault)
{
    // Row 0 has 3 cells (the cap), row 1 a "*" and a missing cell, row 2 is absent.
    TwoDaText t = ParseTwoDa("2DA V1.0\n7\nA B C D\nX 1 2 3\nY * 010\n");
    EXPECT_EQ(LevelCap(t), 3);
    auto row0 = EngineLevels(t, 0), row1 = EngineLevels(t, 1), row2 = EngineLevels(t, 2);
    EXPECT_EQ((std::vector<int>{row0[0], row0[1], row0[2], row0[3], row0[39]}), (std::vector<int>{1, 2, 3, 3, 3}));
    EXPECT_EQ((std::vector<int>{row1[0], row1[1], row1[2], row1[39]}), (std::vector<int>{7, 8, 7, 7}));
    EXPECT_EQ(row2[0], 7);
    // An empty first row: the level wraps round in the engine and every level pays the default.
    EXPECT_EQ(EngineLevels(ParseTwoDa("2DA V1.0\n4\nA\nX\nY 1\n"), 1)[0], 4);
}

}  // namespace
}  // namespace game
