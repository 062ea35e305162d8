#include "widgets/fill/LMDGradientMath.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace lmd {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Half the divisor towards the sign of the result, then truncate: halves go away from zero.
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(result);
}

int NearestEven(double x)
{
    double whole = std::floor(x);
    const double fraction = x - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return static_cast<int>(whole);
}

namespace {

int StepChannel(int from, int to, int i, int n)
{
    // One band is the start colour: MulDiv's -1 for the zero divisor would wrap it.
    if (n == 1)
        return from;
    return (from + MulDiv(i, to - from, n - 1)) & 0xFF;
}

}  // namespace

void StepColors(fw::Color from, fw::Color to, int n, bool skipFirst, std::vector<fw::Color>& bands)
{
    for (int i = skipFirst ? 1 : 0; i < n; ++i)
        bands.push_back(fw::RgbColor(StepChannel(fw::RedOf(from), fw::RedOf(to), i, n),
                                     StepChannel(fw::GreenOf(from), fw::GreenOf(to), i, n),
                                     StepChannel(fw::BlueOf(from), fw::BlueOf(to), i, n)));
}

std::vector<fw::Color> BandColors(bool twoColors, fw::Color color, fw::Color endColor, int count,
                                  const std::vector<fw::Color>& stops)
{
    std::vector<fw::Color> bands;
    if (twoColors) {
        StepColors(color, endColor, count, false, bands);
    } else if (stops.size() >= 2) {
        const int perStep = count / static_cast<int>(stops.size());
        for (std::size_t j = 0; j + 1 < stops.size(); ++j)
            StepColors(stops[j], stops[j + 1], perStep, j > 0, bands);
    }
    return bands;
}

}  // namespace lmd
