#include "framework/Cp1251Utf8.h"

#include <gtest/gtest.h>

#include "framework/Cp1251Literal.h"

namespace {

using namespace fw::literals;

TEST(Cp1251Utf8, EveryRangeOfTheCodePage)
{
    const struct {
        std::string_view cp1251;
        const char* utf8;
    } cases[] = {
        {"Ловушки ёЁ"_cp1251, "Ловушки ёЁ"},                  // letters from 0xC0 on, and the two outside it
        {"«№ €…»"_cp1251, "«№ €…»"},                            // 0x80..0xBF through the table
        {"plain", "plain"},
        {"\x98", "\xEF\xBF\xBD"},                                // the one undefined byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(fw::Cp1251ToUtf8(c.cp1251), c.utf8);
}

}  // namespace
