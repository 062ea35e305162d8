#include "table/Templates.h"

#include <gtest/gtest.h>

#include "framework/Cp1251Literal.h"
#include "table/TemplateMatch.h"

namespace app {
namespace {

using namespace fw::literals;

TEST(Templates, EveryTemplateHasItsTitleLengthAndValues)
{
    struct Case {
        int position;
        const char* identifier;
        std::string_view title;
        size_t lines;
        const char* level1;
        const char* level9;
        const char* last;
    } cases[] = {
        {0, "bg2dtrp", "Ловушки"_cp1251, 41, "1000", "1750", "3250"},
        {1, "bg2plck", "Взлом замков"_cp1251, 41, "250", "400", "1550"},
        {2, "bg2spl", "Изучение свитков"_cp1251, 10, "1000", "9000", "9000"},
        {3, "bgtplck", "Взлом замков"_cp1251, 41, "10", "16", "62"},
        {4, "bgtdtrp", "Ловушки"_cp1251, 41, "20", "35", "65"},
        {5, "bgtspl", "Изучение свитков"_cp1251, 10, "10", "90", "90"},
        {6, "p10dtrp", "Ловушки"_cp1251, 41, "100", "175", "325"},
        {7, "p10plck", "Взлом замков"_cp1251, 41, "25", "40", "155"},
        {8, "p10spl", "Изучение свитков"_cp1251, 10, "100", "900", "900"},
        {9, "p50dtrp", "Ловушки"_cp1251, 41, "500", "875", "1625"},
        {10, "p50plck", "Взлом замков"_cp1251, 41, "125", "200", "775"},
        {11, "p50spl", "Изучение свитков"_cp1251, 10, "500", "4500", "4500"},
        {12, "prgdtrp", "Ловушки"_cp1251, 41, "10", "120", "3250"},
        {13, "prgplck", "Взлом замков"_cp1251, 41, "5", "60", "1550"},
        {14, "prgspl", "Изучение свитков"_cp1251, 10, "100", "9000", "9000"},
        {15, "bgdtrp", "Ловушки"_cp1251, 41, "0", "0", "0"},
        {16, "bgplck", "Взлом замков"_cp1251, 41, "0", "0", "0"},
        {17, "bgspl", "Изучение свитков"_cp1251, 10, "0", "0", "0"},
    };
    BuiltInTemplates templates;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        std::vector<std::string> lines = templates.Lines(c.position);
        EXPECT_STREQ(BuiltInTemplates::Identifier(c.position), c.identifier);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[0], c.title);
        EXPECT_EQ(lines[1], c.level1);
        EXPECT_EQ(lines[9], c.level9);
        EXPECT_EQ(lines.back(), c.last);
        for (size_t i = 1; i < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].empty());
            EXPECT_LE(lines[i].size(), 4u);
            EXPECT_TRUE(lines[i] == "0" || lines[i][0] != '0') << lines[i];
        }
    }
}

TEST(Templates, StepTemplatesChangeAtLevels6_11_16)
{
    std::vector<std::string> lines = BuiltInTemplates().Lines(3);  // bgtplck
    const char* expected[] = {"10", "10", "10", "10", "10", "16", "16", "16", "16", "16",
                              "38", "38", "38", "38", "38", "62"};
    for (int level = 1; level <= 16; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(lines[static_cast<size_t>(level)], expected[level - 1]);
    }
    EXPECT_EQ(lines[40], "62");
}

TEST(Templates, ChoiceMappingPerColumn)
{
    const int expected[7][3] = {
        {4, 3, 5}, {0, 1, 2}, {6, 7, 8}, {9, 10, 11}, {12, 13, 14}, {15, 16, 17}, {-1, -1, -1},
    };
    for (int choice = 0; choice < 7; ++choice)
        for (int column = 1; column <= 3; ++column) {
            SCOPED_TRACE("choice " + std::to_string(choice) + " column " + std::to_string(column));
            EXPECT_EQ(TemplateForChoice(column, choice), expected[choice][column - 1]);
        }
    EXPECT_EQ(TemplateForChoice(1, -1), -1);
    EXPECT_EQ(TemplateForChoice(0, 1), -1);
    EXPECT_EQ(TemplateForChoice(4, 1), -1);
}

TEST(Templates, EveryChoiceCopiesItsTemplateIntoItsColumnOnly)
{
    BuiltInTemplates templates;
    for (int column = 1; column <= 3; ++column)
        for (int choice = 0; choice <= 6; ++choice) {
            SCOPED_TRACE("column " + std::to_string(column) + " choice " + std::to_string(choice));
            CellTable cells;
            for (int c = 0; c < kColumnCount; ++c)
                for (int r = 0; r < kRowCount; ++r)
                    cells.SetCell(c, r, "x");
            ApplyChoice(templates, column, choice, cells);
            int position = TemplateForChoice(column, choice);
            std::vector<std::string> lines = position >= 0 ? templates.Lines(position) : std::vector<std::string>{};
            for (int c = 0; c < kColumnCount; ++c)
                for (int r = 0; r < kRowCount; ++r) {
                    bool copied = c == column && static_cast<size_t>(r) < lines.size();
                    ASSERT_EQ(cells.Cell(c, r), copied ? lines[static_cast<size_t>(r)] : "x")
                        << "cell " << c << "," << r;
                }
        }
}

TEST(Templates, ScrollTemplateLeavesLevels10To40AndEditsComeBack)
{
    BuiltInTemplates templates;
    CellTable cells;
    ApplyChoice(templates, kScrollsColumn, 1, cells);
    ApplyChoice(templates, kTrapsColumn, 1, cells);
    cells.SetCell(kTrapsColumn, 5, "42");
    ApplyChoice(templates, kTrapsColumn, 6, cells);  // custom: nothing changes
    EXPECT_EQ(cells.Cell(kTrapsColumn, 5), "42");
    ApplyChoice(templates, kTrapsColumn, 1, cells);
    EXPECT_EQ(cells.Cell(kTrapsColumn, 5), "1000");

    ApplyChoice(templates, kScrollsColumn, 5, cells);
    for (int level = 1; level <= 9; ++level)
        EXPECT_EQ(cells.Cell(kScrollsColumn, level), "0");
    for (int level = 10; level <= 40; ++level)
        EXPECT_EQ(cells.Cell(kScrollsColumn, level), "");
}

// A row matches when every level the template holds is equal, the first and the last too,
// and each activity finds its own template for a choice (traps' and locks' swap in one family).
TEST(Templates, MatchNeedsEveryLevelTheTemplateHolds)
{
    const struct {
        Activity activity;
        int choice;
        int changed;  // the level made one higher, 0 for none
        bool matches;
    } cases[] = {{Activity::Locks, 1, 0, true},    {Activity::Locks, 1, 1, false},   {Activity::Locks, 1, 40, false},
                 {Activity::Scrolls, 1, 9, false}, {Activity::Scrolls, 1, 10, true}, {Activity::Traps, 0, 0, true},
                 {Activity::Locks, 0, 0, true},    {Activity::Traps, 0, 40, false},  {Activity::Traps, 4, 0, true}};
    for (const auto& c : cases) {
        std::vector<std::string> lines = BuiltInTemplates().Lines(TemplateForChoice(GridColumn(c.activity), c.choice));
        std::array<std::int32_t, kLevelCount> levels{};
        for (std::size_t i = 1; i < lines.size(); ++i)
            levels[i - 1] = std::stoi(lines[i]);
        if (c.changed)
            ++levels[std::size_t(c.changed - 1)];
        EXPECT_EQ(MatchTemplate(c.activity, levels), c.matches ? std::optional<int>(c.choice) : std::nullopt)
            << int(c.activity) << " " << c.choice << " " << c.changed;
    }
}

TEST(Templates, CopyStopsAtTheLastRow)
{
    CellTable cells;
    std::vector<std::string> lines(50, "7");
    CopyColumn(lines, kTrapsColumn, cells);
    EXPECT_EQ(cells.Cell(kTrapsColumn, 40), "7");
}

}  // namespace
}  // namespace app
