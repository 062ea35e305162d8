// The About window's title: its size after loading and the pixels it paints, checked
// against the caption and the fill drawn on their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "../framework/GuiTestUtil.h"
#include "app/Unit2.h"
#include "framework/Canvas.h"
#include "framework/Cp1251.h"
#include "framework/Gdi.h"

namespace {

// Bold 15-pixel Arial, made here rather than taken from the label.
fw::FontHandle TitleFont()
{
    return fw::FontHandle(CreateFontW(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
}

class AboutTitleTest : public testing::Test {
protected:
    void SetUp() override
    {
        about = std::make_unique<TForm2>();
        about->Show();
        fwtest::Drain();
    }
    TLMDLabelFill& Title() { return *about->LMDLabelFill1; }
    std::wstring Caption() { return fw::Widen(Title().Caption()); }

    std::unique_ptr<TForm2> about;
};

TEST_F(AboutTitleTest, TakesItsCaptionsSizeAtItsPlace)
{
    const fw::FontHandle font = TitleFont();
    fw::MemoryDC dc;
    fw::SelectGuard select(dc.Get(), font.Get());
    SIZE extent = {};
    const std::wstring caption = Caption();
    ASSERT_TRUE(GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &extent));
    EXPECT_EQ(Title().Left(), 48);
    EXPECT_EQ(Title().Top(), 9);
    EXPECT_EQ(Title().Width(), extent.cx + 2) << "the stored 301 gives way to the caption";
    EXPECT_EQ(Title().Height(), extent.cy + 2);
}

// Glyph pixels of exactly the text colour show the band colour of their place; every other
// pixel shows what the caption alone shows there: the window's face or a blended edge.
TEST_F(AboutTitleTest, OnlyGlyphPixelsOfTheTextColourShowTheBands)
{
    const int width = Title().Width(), height = Title().Height();
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE), ink = GetSysColor(COLOR_WINDOWTEXT);
    fwtest::Snapshot shot(*about);

    fw::DibSection text(width, height);
    {
        const fw::FontHandle font = TitleFont();
        fw::Canvas canvas(text.DC());
        canvas.FillRect(RECT{0, 0, width, height}, fw::clBtnFace);
        SelectObject(text.DC(), font.Get());
        canvas.SetTextColor(fw::clWindowText);
        canvas.DrawText(RECT{0, 0, width, height}, Title().Caption(), DT_WORDBREAK | DT_EXPANDTABS);
    }
    fw::DibSection fill(width, height);
    {
        fw::Canvas canvas(fill.DC());
        ASSERT_TRUE(Title().FillObject().PaintRect(canvas, RECT{0, 0, width, height}, fw::clBtnFace));
    }
    GdiFlush();

    const auto FromCentre = [&](POINT p) { return std::abs(p.x - width / 2) + std::abs(p.y - height / 2); };
    int glyphs = 0, wrongGlyphs = 0, wrongOthers = 0, rightmostGlyph = -1;
    POINT centreGlyph = {-1, -1}, leftGlyph = {width, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t t = fw::FromPixel(text.Pixel(x, y)), f = fw::FromPixel(fill.Pixel(x, y));
            const std::uint32_t painted = shot.At(Title().Left() + x, Title().Top() + y);
            if (t != ink) {
                wrongOthers += painted != t;
                continue;
            }
            ++glyphs;
            wrongGlyphs += painted != f;
            rightmostGlyph = std::max(rightmostGlyph, x);
            if (x < leftGlyph.x)
                leftGlyph = {x, y};
            if (centreGlyph.x < 0 || FromCentre({x, y}) < FromCentre(centreGlyph))
                centreGlyph = {x, y};
        }
    }
    EXPECT_GT(glyphs, 500) << "the caption has that many pixels of full ink";
    EXPECT_EQ(wrongGlyphs, 0) << "glyph pixels that do not show the fill";
    EXPECT_EQ(wrongOthers, 0) << "pixels outside the glyphs that changed";
    EXPECT_GE(rightmostGlyph, width - 12) << "the last letters stand on the same line";

    // The bands lie over the title itself: bright green in its middle, nearly black at its ends.
    const std::uint32_t middle = shot.At(Title().Left() + centreGlyph.x, Title().Top() + centreGlyph.y);
    const std::uint32_t end = shot.At(Title().Left() + leftGlyph.x, Title().Top() + leftGlyph.y);
    EXPECT_TRUE(middle == RGB(0, 128, 64) || middle == RGB(0, 119, 60) || middle == RGB(0, 111, 55))
        << "one of the three innermost bands, not " << std::hex << middle;
    EXPECT_EQ(GetRValue(end), 0);
    EXPECT_LE(GetGValue(end), 43) << "one of the outer bands";

    // Around the title the window's face is untouched.
    for (POINT p : {POINT{-1, 0}, POINT{width, 0}, POINT{0, -1}, POINT{width / 2, height}}) {
        SCOPED_TRACE(testing::Message() << "beside the title at " << p.x << ", " << p.y);
        EXPECT_EQ(shot.At(Title().Left() + p.x, Title().Top() + p.y), face);
    }
}

}  // namespace
