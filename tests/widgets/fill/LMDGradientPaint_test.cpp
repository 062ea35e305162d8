// The gradient and the fill object painting into a 32-bit DIB, checked at meaningful pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "MulDivCases.h"
#include "framework/Canvas.h"
#include "framework/ColorWin.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDFillObject.h"
#include "widgets/fill/LMDGradientMath.h"

namespace {

// The rectangle lies inside a white target, 5 pixels from its left and top edges, so that
// offsets and anything painted outside it show.
constexpr int kLeft = 5, kTop = 5;

struct Target {
    Target(int width, int height) : dib(width + 2 * kLeft, height + 2 * kTop)
    {
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                dib.Pixel(x, y) = 0xFFFFFF;
    }
    // The colour at (x, y) of the rectangle, as a plain colour.
    fw::Color At(int x, int y) const
    {
        GdiFlush();
        return fw::FromPixel(dib.Pixel(kLeft + x, kTop + y));
    }
    bool Paint(const TLMDFillObject& fill, int width, int height, fw::Color back = fw::clBtnFace)
    {
        fw::Canvas canvas(dib.DC());
        const RECT rect = {kLeft, kTop, kLeft + width, kTop + height};
        return fill.PaintRect(canvas, rect, back);
    }
    fw::DibSection dib;
};

struct Pixel {
    int x, y;
};

TEST(GradientPaint, MulDivEqualsThePlatformCall)
{
    for (const MulDivCase& c : kMulDivCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lmd::MulDiv(c.a, c.b, c.c), ::MulDiv(c.a, c.b, c.c));
    }
}

// The About title's fill: 16 elliptic bands from 0x408000 in the middle to black, painted
// from the largest band down, off-screen or straight onto the canvas.
TEST(GradientPaint, AboutTitleEllipses)
{
    const struct {
        const char* name;
        unsigned options;
        bool palette;
    } modes[] = {
        {"off-screen", foGrUseBitmap, false},
        {"on the canvas", 0, false},
        {"through the palette", foGrUseBitmap, true},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.name);
        TLMDFillObject fill(fw::PlatformSystemColor);
        fill.SetStyle(sfGradient);
        fill.SetOptions(mode.options);
        fill.Gradient().SetColor(4227072);
        fill.Gradient().SetStyle(gstElliptic);
        fill.Gradient().SetPaletteRealize(mode.palette);
        Target target(301, 20);
        ASSERT_TRUE(target.Paint(fill, 301, 20));
        EXPECT_EQ(target.At(150, 9), fw::RgbColor(0, 128, 64)) << "band 0, one row high";
        EXPECT_EQ(target.At(150, 10), fw::RgbColor(0, 119, 60)) << "band 1";
        EXPECT_EQ(target.At(150, 0), fw::RgbColor(0, 43, 21)) << "band 10 at the top";
        for (Pixel corner : {Pixel{0, 0}, Pixel{300, 0}, Pixel{0, 19}, Pixel{300, 19}}) {
            SCOPED_TRACE(testing::Message() << "corner " << corner.x << ", " << corner.y);
            EXPECT_EQ(target.At(corner.x, corner.y), fw::clBlack);
        }
        // The largest ellipse reaches far beyond the rectangle; the canvas around it stays.
        for (Pixel outside : {Pixel{-1, 10}, Pixel{301, 10}, Pixel{150, -1}, Pixel{150, 20}}) {
            SCOPED_TRACE(testing::Message() << "outside " << outside.x << ", " << outside.y);
            EXPECT_EQ(target.At(outside.x, outside.y), fw::clWhite);
        }
    }
}

// Red to blue: band 0 (red) where the style puts it, the last band (blue) at the far side.
TEST(GradientPaint, EveryStylePutsTheFirstBandInItsPlace)
{
    const struct {
        const char* name;
        TLMDGradientStyle style;
        Pixel first, last;
    } cases[] = {
        {"horizontal: left", gstHorizontal, {0, 10}, {300, 10}},
        {"vertical: top", gstVertical, {150, 0}, {150, 19}},
        {"square: centre", gstSquare, {150, 10}, {0, 0}},
        {"elliptic: centre", gstElliptic, {150, 9}, {0, 0}},
        {"top left", gstTopLeft, {0, 0}, {300, 19}},
        {"top right", gstTopRight, {300, 0}, {0, 19}},
        {"bottom left", gstBottomLeft, {0, 19}, {300, 0}},
        {"bottom right", gstBottomRight, {300, 19}, {0, 0}},
        {"top-left diagonal", gstTopLeftDiagonal, {2, 1}, {300, 19}},
        {"top-right diagonal", gstTopRightDiagonal, {298, 0}, {0, 19}},
    };
    for (unsigned options : {unsigned{foGrUseBitmap}, 0u}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (options ? ", off-screen" : ", on the canvas"));
            TLMDFillObject fill(fw::PlatformSystemColor);
            fill.SetStyle(sfGradient);
            fill.SetOptions(options);
            fill.Gradient().SetColor(fw::clRed);
            fill.Gradient().SetEndColor(fw::clBlue);
            fill.Gradient().SetStyle(c.style);
            Target target(301, 20);
            ASSERT_TRUE(target.Paint(fill, 301, 20));
            EXPECT_EQ(target.At(c.first.x, c.first.y), fw::clRed);
            EXPECT_EQ(target.At(c.last.x, c.last.y), fw::clBlue);
            EXPECT_EQ(target.At(-1, -1), fw::clWhite);
            EXPECT_EQ(target.At(301, 20), fw::clWhite);
        }
    }
}

// Bands narrower than a pixel do not show, not even the first and the last: in 10 pixels
// of 236 bands, pixel 0 is band 11 (MulDiv(12, 10, 236) = 1) and pixel 9 is band 224.
TEST(GradientPaint, MoreHorizontalBandsThanPixels)
{
    TLMDFillObject fill(fw::PlatformSystemColor);
    fill.SetStyle(sfGradient);
    fill.Gradient().SetStyle(gstHorizontal);
    fill.Gradient().SetColor(fw::clRed);
    fill.Gradient().SetEndColor(fw::clBlue);
    fill.Gradient().SetColorCount(236);
    Target target(10, 4);
    ASSERT_TRUE(target.Paint(fill, 10, 4));
    const std::vector<fw::Color>& bands = fill.Gradient().BandColors();
    ASSERT_EQ(bands.size(), 236u);
    EXPECT_EQ(target.At(0, 2), bands[11]);
    EXPECT_EQ(target.At(9, 2), bands[224]);
    EXPECT_EQ(target.At(10, 2), fw::clWhite);
}

TEST(GradientPaint, FillStylesOtherThanTheGradient)
{
    const struct {
        const char* name;
        TLMDFillStyle style;
        fw::BrushStyle brush;
        bool painted;
        fw::Color inside;
    } cases[] = {
        {"solid brush", sfBrush, fw::bsSolid, true, fw::clRed},
        {"clear brush paints nothing", sfBrush, fw::bsClear, true, fw::clWhite},
        {"no fill", sfNone, fw::bsSolid, false, fw::clWhite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLMDFillObject fill(fw::PlatformSystemColor);
        fill.SetStyle(c.style);
        fill.Brush().SetColor(fw::clRed);
        fill.Brush().SetStyle(c.brush);
        Target target(20, 10);
        EXPECT_EQ(target.Paint(fill, 20, 10), c.painted);
        EXPECT_EQ(target.At(0, 0), c.inside);
        EXPECT_EQ(target.At(19, 9), c.inside);
        EXPECT_EQ(target.At(20, 9), fw::clWhite);
    }

    // A hatched brush: its lines in the brush colour, the back colour between them.
    TLMDFillObject fill(fw::PlatformSystemColor);
    fill.SetStyle(sfBrush);
    fill.Brush().SetColor(fw::clRed);
    fill.Brush().SetStyle(fw::bsCross);
    Target target(16, 16);
    ASSERT_TRUE(target.Paint(fill, 16, 16, fw::clLime));
    int red = 0, lime = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            red += target.At(x, y) == fw::clRed ? 1 : 0;
            lime += target.At(x, y) == fw::clLime ? 1 : 0;
        }
    EXPECT_GT(red, 0);
    EXPECT_GT(lime, red);
    EXPECT_EQ(red + lime, 256) << "every pixel is a line or the back colour";
}

// A 2 by 2 picture (pixels a b / c d) in a 6 by 4 rectangle, the back colour lime.
TEST(GradientPaint, PictureFills)
{
    const fw::Color a = fw::clRed, b = fw::clBlue, c = fw::clYellow, d = fw::clBlack, back = fw::clLime;
    const fw::Bitmap picture(2, 2, {fw::ToPixel(a), fw::ToPixel(b), fw::ToPixel(c), fw::ToPixel(d)});
    const fw::Color white = fw::clWhite;
    const struct {
        const char* name;
        TLMDFillStyle style;
        TLMDTileMode mode;
        TLMDAlignment alignment;
        unsigned options;
        // The rectangle's rows 0 to 3, columns 0 to 5.
        fw::Color expected[4][6];
    } cases[] = {
        {"tiled from the rectangle's corner", sfBitmap, tmTile, agTopLeft, foFillInner,
         {{a, b, a, b, a, b}, {c, d, c, d, c, d}, {a, b, a, b, a, b}, {c, d, c, d, c, d}}},
        {"stretched", sfBitmap, tmStretch, agTopLeft, foFillInner,
         {{a, a, a, b, b, b}, {a, a, a, b, b, b}, {c, c, c, d, d, d}, {c, c, c, d, d, d}}},
        {"centred on the back colour", sfBitmapList, tmCenter, agTopLeft, foFillInner,
         {{back, back, back, back, back, back}, {back, back, a, b, back, back},
          {back, back, c, d, back, back}, {back, back, back, back, back, back}}},
        {"bottom right, one pixel to the left, no back colour", sfBitmap, tmNone, agBottomRight, 0,
         {{white, white, white, white, white, white}, {white, white, white, white, white, white},
          {white, white, white, a, b, white}, {white, white, white, c, d, white}}},
        // The rectangle starts at (5, 5) of the canvas: odd, so the pattern starts with d.
        {"brush pattern from the canvas origin", sfBrushBitmap, tmNone, agTopLeft, foFillInner,
         {{d, c, d, c, d, c}, {b, a, b, a, b, a}, {d, c, d, c, d, c}, {b, a, b, a, b, a}}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        TLMDFillObject fill(fw::PlatformSystemColor);
        fill.SetStyle(k.style);
        if (k.style == sfBitmapList)
            fill.SetListBitmap(picture);
        else
            fill.SetBitmap(picture);
        fill.SetTileMode(k.mode);
        fill.SetAlignment(k.alignment);
        fill.SetOffsetX(k.mode == tmNone ? -1 : 0);
        fill.SetOptions(k.options);
        Target target(6, 4);
        ASSERT_TRUE(target.Paint(fill, 6, 4, back));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(target.At(x, y), k.expected[y][x]) << "at " << x << ", " << y;
        EXPECT_EQ(target.At(6, 0), white) << "nothing beyond the rectangle";
    }
    TLMDFillObject fill(fw::PlatformSystemColor);
    fill.SetStyle(sfBitmap);
    Target target(6, 4);
    EXPECT_FALSE(target.Paint(fill, 6, 4)) << "a picture style without its picture";
    EXPECT_EQ(target.At(0, 0), white);
}

TEST(GradientPaint, EmptyRectanglePaintsNothing)
{
    TLMDFillObject fill(fw::PlatformSystemColor);
    fill.SetStyle(sfGradient);
    Target target(10, 10);
    EXPECT_TRUE(target.Paint(fill, 0, 10));
    EXPECT_TRUE(target.Paint(fill, 10, -3));
    EXPECT_EQ(target.At(0, 0), fw::clWhite);
}

}  // namespace
