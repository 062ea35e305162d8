// The filled label's rules that need no platform: its text-drawing flags and how the
// letters are composed with the fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "widgets/fill/LMDLabelCompose.h"
#include "widgets/fill/LMDLabelText.h"

namespace {

using namespace lmd;

TEST(LabelText, DrawAndMeasureFlags)
{
    const TextLayout about;  // the About title: every setting at its default
    const struct {
        const char* name;
        TextLayout layout;
        unsigned draw, measure;
    } cases[] = {
        // The title is measured without word breaks (one line, however narrow the label
        // starts) and drawn with them, which breaks nothing at exactly the measured width.
        {"defaults", about, kDtWordBreak | kDtExpandTabs, kDtCalcRect | kDtExpandTabs},
        {"all options", {loPathEllipsis | loEndEllipsis | loEditControl},
         kDtPathEllipsis | kDtEndEllipsis | kDtEditControl | kDtWordBreak | kDtExpandTabs,
         kDtPathEllipsis | kDtEndEllipsis | kDtEditControl | kDtCalcRect | kDtExpandTabs},
        {"fixed size: one line", {0, agTopLeft, false}, kDtWordBreak | kDtExpandTabs | kDtSingleLine,
         kDtCalcRect | kDtExpandTabs},
        {"fixed size, several lines", {0, agTopLeft, false, true}, kDtWordBreak | kDtExpandTabs,
         kDtCalcRect | kDtExpandTabs | kDtWordBreak},
        {"fixed size, several lines, rotated", {0, agTopLeft, false, true, true, 90},
         kDtWordBreak | kDtExpandTabs | kDtSingleLine, kDtCalcRect | kDtExpandTabs | kDtWordBreak},
        {"ampersands as they are", {0, agTopLeft, true, false, false}, kDtWordBreak | kDtExpandTabs | kDtNoPrefix,
         kDtCalcRect | kDtExpandTabs | kDtNoPrefix},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DrawFlags(c.layout), c.draw);
        EXPECT_EQ(MeasureFlags(c.layout), c.measure);
    }
}

TEST(LabelText, AlignmentFlags)
{
    const unsigned flags[] = {0, kDtCenter, kDtRight, kDtVCenter, kDtVCenter | kDtCenter, kDtVCenter | kDtRight,
                              kDtBottom, kDtBottom | kDtCenter, kDtBottom | kDtRight};
    for (int a = agTopLeft; a <= agBottomRight; ++a) {
        SCOPED_TRACE(testing::Message() << "alignment " << a);
        TextLayout layout;
        layout.alignment = static_cast<TLMDAlignment>(a);
        EXPECT_EQ(DrawFlags(layout), kDtWordBreak | kDtExpandTabs | flags[a]);
        EXPECT_EQ(MeasureFlags(layout), kDtCalcRect | kDtExpandTabs) << "measuring ignores the alignment";
    }
}

TEST(LabelCompose, OnlyPixelsOfExactlyTheFontColourShowTheFill)
{
    constexpr std::uint32_t kFont = 0x000000, kBack = 0xF0F0F0, kUnder = 0x123456, kFill = 0x008040;
    const struct {
        const char* name;
        std::uint32_t text, fill, font, back, result;
    } cases[] = {
        {"a glyph pixel shows the fill", kFont, kFill, kFont, kBack, kFill},
        {"the background leaves the pixel under it", kBack, kFill, kFont, kBack, kUnder},
        {"a blended edge keeps its colour", 0x7A7A7A, kFill, kFont, kBack, 0x7A7A7A},
        {"a fill pixel of the back colour is not painted", kFont, kBack, kFont, kBack, kUnder},
        {"the high byte is no part of the colour", 0xFF000000 | kFont, 0xFF000000 | kFill, kFont, kBack, kFill},
        {"back colour equal to the font colour: the fill shows", kFont, kFill, kFont, kFont, kFill},
        {"back colour equal to the font colour: that colour in the fill is not painted", kFont, kFont, kFont, kFont,
         kUnder},
    };
    // The result goes into an image of its own, over what lies under the label (off-screen),
    // or over the caption (on the canvas itself).
    enum Into { kOwn, kUnderImage, kTextImage };
    for (const auto& c : cases) {
        for (Into into : {kOwn, kUnderImage, kTextImage}) {
            SCOPED_TRACE(testing::Message() << c.name << ", into image " << into);
            std::vector<std::uint32_t> text{c.text}, under{kUnder}, own{0xABCDEF};
            const std::vector<std::uint32_t> fill{c.fill};
            std::vector<std::uint32_t>& result = into == kOwn ? own : into == kUnderImage ? under : text;
            ComposeFilledText(text, fill, under, result, c.font, c.back);
            EXPECT_EQ(result[0], c.result);
        }
    }

    // Images of unequal length: only the common part is touched.
    const std::vector<std::uint32_t> text(3, kFont), fill(2, kFill);
    std::vector<std::uint32_t> under(4, kUnder);
    ComposeFilledText(text, fill, under, under, kFont, kBack);
    EXPECT_EQ(under, (std::vector<std::uint32_t>{kFill, kFill, kUnder, kUnder}));
}

}  // namespace
