// Caption accelerators and hint parts.
#include <gtest/gtest.h>

#include <string>

#include "framework/Accelerator.h"
#include "framework/HintText.h"

namespace {

TEST(Accelerator, KeyOfACaption)
{
    const struct {
        const char* caption;
        char key;
        bool matches;
    } cases[] = {
        {"&Jump to URL", 'J', true},
        {"&Jump to URL", 'j', true},
        {"&Jump to URL", 'u', false},
        {"&Copy URL", 'c', true},
        {"Save &as", 'A', true},
        {"Fish && &chips", 'c', true},
        {"Fish && chips", 'c', false},
        {"&&", '&', false},
        {"end&", '\0', false},
        {"no accelerator", 'n', false},
        {"", 'a', false},
        {"&\xC2\xE5\xE1", '\xE2', true},  // "&Веб", в
        {"&\xE2\xE5\xE1", '\xC2', true},  // "&веб", В
        {"&\xA8\xEB\xEA\xE0", '\xB8', true},  // "&Ёлка", ё
        {"&\xB2", '\xB3', true},  // І, і
        {"&\xC2", '\xE3', false},  // В is not г
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(fw::IsAccel(c.key, c.caption), c.matches);
    }
    EXPECT_EQ(fw::AcceleratorOf("Fish && &chips"), 'c');
    EXPECT_EQ(fw::AcceleratorOf("&&"), '\0');
    // Upper case covers both alphabet runs and the letters around them, and nothing else.
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const auto up = static_cast<unsigned char>(fw::UpperCp1251(ch));
        SCOPED_TRACE(c);
        EXPECT_EQ(static_cast<unsigned char>(fw::UpperCp1251(static_cast<char>(up))), up);
    }
    EXPECT_EQ(fw::UpperCp1251('\xFF'), '\xDF');
    EXPECT_EQ(fw::UpperCp1251('\x9F'), '\x8F');
    EXPECT_EQ(fw::UpperCp1251('\xDF'), '\xDF');
    EXPECT_EQ(fw::UpperCp1251('1'), '1');
    EXPECT_EQ(fw::UpperCp1251('\xB9'), '\xB9');  // №
}

TEST(HintText, ShortAndLongParts)
{
    const struct {
        const char* hint;
        const char* shortPart;
        const char* longPart;
    } cases[] = {
        {"", "", ""},
        {"plain", "plain", "plain"},
        {"short|long", "short", "long"},
        {"|long", "", "long"},
        {"short|", "short", ""},
        {"a|b|c", "a", "b|c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        EXPECT_EQ(fw::ShortHint(c.hint), c.shortPart);
        EXPECT_EQ(fw::LongHint(c.hint), c.longPart);
    }
}

}  // namespace
