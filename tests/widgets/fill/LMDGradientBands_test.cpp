#include "widgets/fill/LMDGradientBands.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using K = TLMDBandShapeKind;
using Box = std::array<int, 4>;
using Points = std::array<TLMDBandPoint, 4>;

Box BoxOf(const TLMDBandShape& s) { return {s.left, s.top, s.right, s.bottom}; }

// The About title's fill: 301 by 20 pixels, 16 bands. Band 0 lies where the start colour
// belongs, band 15 covers the whole rectangle.
TEST(GradientBands, FirstAndLastBandOfEveryStyle)
{
    const struct {
        const char* name;
        TLMDGradientStyle style;
        K kind;
        Box first, last;
    } boxes[] = {
        {"horizontal", gstHorizontal, K::kFillRect, {0, 0, 19, 20}, {282, 0, 301, 20}},
        {"vertical", gstVertical, K::kFillRect, {0, 0, 301, 1}, {0, 19, 301, 20}},
        {"square", gstSquare, K::kRectangle, {141, 10, 161, 12}, {0, 0, 302, 22}},
        {"elliptic: half-axes 14 and 1, then 215 and 14", gstElliptic, K::kEllipse, {136, 9, 164, 11},
         {-65, -4, 365, 24}},
        {"top left", gstTopLeft, K::kRectangle, {0, 0, 20, 2}, {0, 0, 302, 21}},
        {"top right", gstTopRight, K::kRectangle, {282, 0, 302, 2}, {0, 0, 302, 21}},
        {"bottom left", gstBottomLeft, K::kRectangle, {0, 19, 20, 21}, {0, 0, 302, 21}},
        {"bottom right", gstBottomRight, K::kRectangle, {282, 19, 302, 21}, {0, 0, 302, 21}},
    };
    for (const auto& c : boxes) {
        SCOPED_TRACE(c.name);
        const TLMDBandShape first = lmd::BandShape(c.style, 0, 16, 301, 20);
        const TLMDBandShape last = lmd::BandShape(c.style, 15, 16, 301, 20);
        EXPECT_EQ(first.kind, c.kind);
        EXPECT_EQ(BoxOf(first), c.first);
        EXPECT_EQ(BoxOf(last), c.last);
    }
    const struct {
        const char* name;
        TLMDGradientStyle style;
        Points first, last;
    } polygons[] = {
        {"top-left diagonal", gstTopLeftDiagonal, {{{0, 0}, {38, 0}, {0, 3}, {-38, 3}}},
         {{{0, 0}, {602, 0}, {0, 41}, {-602, 41}}}},
        {"top-right diagonal", gstTopRightDiagonal, {{{302, 0}, {264, 0}, {302, 2}, {340, 2}}},
         {{{302, 0}, {-300, 0}, {302, 40}, {904, 40}}}},
    };
    for (const auto& c : polygons) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lmd::BandShape(c.style, 0, 16, 301, 20).kind, K::kPolygon);
        EXPECT_TRUE(lmd::BandShape(c.style, 0, 16, 301, 20).points == c.first);
        EXPECT_TRUE(lmd::BandShape(c.style, 15, 16, 301, 20).points == c.last);
    }
}

TEST(GradientBands, OnlyHorizontalBandsArePaintedFromTheFirst)
{
    for (int s = gstHorizontal; s <= gstTopRightDiagonal; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(lmd::PaintsFirstBandFirst(static_cast<TLMDGradientStyle>(s)), s == gstHorizontal);
    }
}

// More bands than pixels: the bands still tile the width without gaps, some of them empty.
TEST(GradientBands, HorizontalBandsNarrowerThanAPixelHaveNoWidth)
{
    const struct {
        int width, bands, empty;
    } cases[] = {{10, 16, 6}, {1, 16, 15}, {301, 16, 0}, {5, 236, 231}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " pixels, " << c.bands << " bands");
        int right = 0, empty = 0;
        for (int i = 0; i < c.bands; ++i) {
            const TLMDBandShape band = lmd::BandShape(gstHorizontal, i, c.bands, c.width, 7);
            EXPECT_EQ(band.left, right) << "band " << i;
            empty += band.right == band.left ? 1 : 0;
            right = band.right;
        }
        EXPECT_EQ(right, c.width);
        EXPECT_EQ(empty, c.empty);
    }
}

}  // namespace
