#include "app/ChoiceTexts.h"

#include <gtest/gtest.h>

#include "app/CellAccess.h"
#include "framework/Cp1251Literal.h"

namespace {

using namespace fw::literals;

// The window's own test reads every item from its lists; here, what differs by column.
TEST(ChoiceTexts, ItemFiveNamesTheColumnsActivityAndNothingOutsideTheLists)
{
    EXPECT_EQ(app::ChoiceText(app::kTrapsColumn, 5), "Опыт за обезвреживание ловушек не выдается"_cp1251);
    EXPECT_EQ(app::ChoiceText(app::kScrollsColumn, 5), "Опыт за изучение заклинаний со свитков не выдается"_cp1251);
    EXPECT_EQ(app::ChoiceText(app::kLocksColumn, 1), app::ChoiceText(app::kScrollsColumn, 1));
    EXPECT_EQ(app::ChoiceTexts(app::kLocksColumn).size(), 7u);
    for (auto [column, choice] : {std::pair{0, 1}, {4, 1}, {1, -1}, {1, 7}})
        EXPECT_TRUE(app::ChoiceText(column, choice).empty()) << column << "/" << choice;
}

}  // namespace
