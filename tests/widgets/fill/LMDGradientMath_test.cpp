#include "widgets/fill/LMDGradientMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "MulDivCases.h"
#include "framework/Color.h"
#include "widgets/fill/LMDGradientBands.h"

namespace {

using Bands = std::vector<fw::Color>;

TEST(GradientMath, MulDivRoundsHalvesAwayFromZeroAndNeverTraps)
{
    for (const MulDivCase& c : kMulDivCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lmd::MulDiv(c.a, c.b, c.c), c.expected);
    }
}

TEST(GradientMath, NearestRoundsHalvesToEven)
{
    const struct {
        double x;
        int expected;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {1.49, 1}, {1.51, 2}, {13.571428, 14}, {0.0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(lmd::NearestEven(c.x), c.expected);
    }
}

// The half-axes are computed in double, as every compiler has it (MSVC has no extended
// precision); they must equal the extended-precision result where the compiler has one.
// Every half-axis of a rectangle up to 4096 pixels comes from a band extent
// g = MulDiv(i + 1, W, N) with 0 <= g <= W, so checking every such g covers every W, H and N.
TEST(GradientMath, EllipseHalfAxesInDoubleEqualExtendedPrecision)
{
    for (int g = 0; g <= 4096; ++g) {
        const long double exact = static_cast<long double>(g) / 1.4L;
        const long double below = std::floor(exact);
        const long double fraction = exact - below;
        long double expected = below;
        if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0.0L))
            expected += 1.0L;
        ASSERT_EQ(lmd::EllipseHalfAxis(g), static_cast<int>(expected)) << "g = " << g;
    }
    EXPECT_EQ(lmd::EllipseHalfAxis(301), 215);
    EXPECT_EQ(lmd::EllipseHalfAxis(20), 14);
    EXPECT_EQ(lmd::EllipseHalfAxis(19), 14);
    EXPECT_EQ(lmd::EllipseHalfAxis(1), 1);
}

TEST(GradientMath, BandColoursStepFromStartToEnd)
{
    const fw::Color red = fw::clRed, lime = fw::clLime, blue = fw::clBlue;
    const struct {
        const char* name;
        bool twoColors;
        int count;
        Bands stops;
        Bands expected;
    } cases[] = {
        {"two bands are exactly the two colours", true, 2, {}, {0x408000, 0}},
        {"one band is the start colour", true, 1, {}, {0x408000}},
        {"no bands", true, 0, {}, {}},
        {"stops red, green, blue in 16: 5 bands, then 4 without the repeated green",
         false,
         16,
         {red, lime, blue},
         {fw::RgbColor(255, 0, 0), fw::RgbColor(191, 64, 0), fw::RgbColor(127, 128, 0), fw::RgbColor(64, 191, 0),
          fw::RgbColor(0, 255, 0), fw::RgbColor(0, 191, 64), fw::RgbColor(0, 127, 128), fw::RgbColor(0, 64, 191),
          fw::RgbColor(0, 0, 255)}},
        // One band per step: the start colour, not each channel wrapped through MulDiv's -1.
        {"three stops in 4: one band", false, 4, {red, lime, blue}, {red}},
        {"fewer bands than stops give nothing", false, 2, {red, lime, blue}, {}},
        {"one stop gives nothing", false, 16, {red}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lmd::BandColors(c.twoColors, 0x408000, 0, c.count, c.stops), c.expected);
    }
}

}  // namespace
