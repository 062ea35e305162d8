// How long building the text of xpbonus.2da from the table takes.
#include <benchmark/benchmark.h>

#include "table/Templates.h"
#include "table/XpBonusTable.h"

namespace {

app::CellTable StartingTable()
{
    app::CellTable cells;
    app::BuiltInTemplates templates;
    for (int column = 1; column <= 3; ++column)
        app::CopyColumn(templates.Lines(column - 1), column, cells);
    return cells;
}

void BM_RenderStartingTable(benchmark::State& state)
{
    app::CellTable cells = StartingTable();
    for (auto _ : state) {
        std::string text = app::RenderXpBonusText(cells);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 868);
}
BENCHMARK(BM_RenderStartingTable);

// Every cell empty: each value is normalised and written back into the table.
void BM_RenderEmptyTable(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        app::CellTable cells;
        state.ResumeTiming();
        std::string text = app::RenderXpBonusText(cells);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_RenderEmptyTable);

}  // namespace

BENCHMARK_MAIN();
