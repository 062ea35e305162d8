// Caption accelerators and hint parts.
#include <gtest/gtest.h>

#include "framework/Accelerator.h"
#include "framework/HintText.h"

namespace {

TEST(Accelerator, KeyOfACaptionInEitherCase)
{
    const struct {
        const char* caption;
        char key;
        bool matches;
    } cases[] = {
        {"&Jump to URL", 'j', true},     {"&Jump to URL", 'u', false},  {"Fish && &chips", 'C', true},
        {"Fish && chips", 'c', false},   {"&&", '&', false},            {"end&", '\0', false},
        {"", 'a', false},                {"&\xC2\xE5\xE1", '\xE2', true},  // "&Веб", в
        {"&\xA8", '\xB8', true},         {"&\xB2", '\xB3', true},           // Ё ё, І і
        {"&\xDF", '\xFF', true},         {"&\x8F", '\x9F', true},           // Я я, Џ џ
        {"&\xC2", '\xE3', false},        {"&\xB9", '\xB9', true},           // В г; №
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(fw::IsAccel(c.key, c.caption), c.matches);
    }
}

TEST(HintText, ShortAndLongParts)
{
    const struct {
        const char *hint, *shortPart, *longPart;
    } cases[] = {
        {"", "", ""}, {"plain", "plain", "plain"}, {"short|long", "short", "long"}, {"a|b|c", "a", "b|c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        EXPECT_EQ(fw::ShortHint(c.hint), c.shortPart);
        EXPECT_EQ(fw::LongHint(c.hint), c.longPart);
    }
}

}  // namespace
