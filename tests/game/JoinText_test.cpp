#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "game/JoinText.h"

namespace game {
namespace {

TEST(JoinText, EveryKindOfPiece)
{
    const std::string owned = "b";
    const struct {
        std::string joined, expected;
    } cases[] = {
        {JoinText("a", owned, std::string_view("cd", 1), ""), "abc"},
        {JoinText("row ", 0, ", level ", 40), "row 0, level 40"},
        {JoinText(-5, " ", INT32_MIN, " ", INT32_MAX), "-5 -2147483648 2147483647"},
        {JoinText(long(-1), "|", SIZE_MAX), "-1|" + std::to_string(SIZE_MAX)},
        {JoinText(LLONG_MIN), "-9223372036854775808"},
        {JoinText(static_cast<const char*>("pointer"), std::string_view(), "."), "pointer."},
        {JoinText(static_cast<unsigned char>(255), short(-3), 0u), "255-30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.joined, c.expected);
}

}  // namespace
}  // namespace game
