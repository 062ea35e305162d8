// The arithmetic behind one paint of the About title's fill: rebuilding the 16 band colours
// (done on a change) and laying out the 16 elliptic bands of 301 by 20 pixels (done per paint).
#include <benchmark/benchmark.h>

#include "widgets/fill/LMDGradient.h"
#include "widgets/fill/LMDGradientBands.h"

namespace {

std::uint32_t NoSystemColors(int) { return 0; }

void BM_BuildAboutTitleColors(benchmark::State& state)
{
    TLMDGradient gradient(NoSystemColors);
    gradient.SetColor(4227072);
    gradient.SetStyle(gstElliptic);
    for (auto _ : state) {
        gradient.BuildColors();
        benchmark::DoNotOptimize(gradient.BandColors().data());
    }
}
BENCHMARK(BM_BuildAboutTitleColors);

void BM_AboutTitleEllipses(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 15; i >= 0; --i) {
            TLMDBandShape band = lmd::BandShape(gstElliptic, i, 16, 301, 20);
            benchmark::DoNotOptimize(band);
        }
    }
}
BENCHMARK(BM_AboutTitleEllipses);

}  // namespace

BENCHMARK_MAIN();
