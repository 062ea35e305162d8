// What one click and one key cost the edit engine on a 259-character game path
// (the longest path the platform's classic limit allows), with fixed character widths.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/widgets/edit/FakeEditHost.h"

namespace {

struct Field : FakeEdit {
    Field()
    {
        logging = false;
        edit.SetText(LongGamePath());
    }
};

// A click at every third pixel of the field, the view scrolled to the end (the walk
// over the characters is longest there).
void BM_PositionOfPoint(benchmark::State& state)
{
    Field f;
    f.edit.KeyDown(TSCEditKey::End, false, false);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.edit.PositionOfPoint(x, 10));
        x = x >= 366 ? 0 : x + 3;
    }
}
BENCHMARK(BM_PositionOfPoint);

// End then Home: each key scrolls the whole path.
void BM_EndHomeKeys(benchmark::State& state)
{
    Field f;
    for (auto _ : state) {
        f.edit.KeyDown(TSCEditKey::End, false, false);
        f.edit.KeyDown(TSCEditKey::Home, false, false);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_EndHomeKeys);

// Right across the whole path from Home: 259 key presses per iteration.
void BM_RightAcrossThePath(benchmark::State& state)
{
    Field f;
    for (auto _ : state) {
        f.edit.KeyDown(TSCEditKey::Home, false, false);
        for (int i = 0; i < 259; ++i)
            f.edit.KeyDown(TSCEditKey::Right, false, false);
    }
    state.SetItemsProcessed(state.iterations() * 260);
}
BENCHMARK(BM_RightAcrossThePath);

// A press, a drag past the right edge and the release.
void BM_MouseSelection(benchmark::State& state)
{
    Field f;
    for (auto _ : state) {
        f.edit.MouseDown(40, 10, false, false);
        f.edit.MouseMove(400, 10);
        f.edit.MouseUp(400, 10);
    }
}
BENCHMARK(BM_MouseSelection);

// Writing the path anew (two undo records each time, the history held to 16 records).
void BM_TextWrite(benchmark::State& state)
{
    Field f;
    f.edit.SetUndoLimit(16);
    const std::string paths[2] = {LongGamePath(), LongGamePath().substr(0, 200)};
    int which = 0;
    for (auto _ : state) {
        f.edit.SetText(paths[which]);
        which ^= 1;
    }
}
BENCHMARK(BM_TextWrite);

}  // namespace

BENCHMARK_MAIN();
