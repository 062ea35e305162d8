// How long finding and reading the game's XP table takes, against reading the bytes of
// chitin.key alone, in the same run: 50,000 resources in 5 archives, the table the last
// entry of the last archive; once plain, once BIFC.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "tests/tools/ArchiveWriter.h"
#include "game/FileSystem.h"
#include "game/TableReading.h"

namespace {

namespace fs = std::filesystem;

// Removed when the run ends.
struct BenchRoot {
    fs::path path = fs::temp_directory_path() / ("xp-game-lookup-bench-" + std::to_string(std::random_device{}()));
    ~BenchRoot()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

const fs::path& Folder(gametools::GameArchiveForm form)
{
    static const BenchRoot bench;
    static const fs::path& root = bench.path;
    static const fs::path plain = root / "plain", bifc = root / "bifc";
    static bool made = [] {
        fs::remove_all(root);
        gametools::GameFolderPlan plan;
        plan.archives = 5;
        plan.resourcesPerArchive = 10000;
        gametools::WriteGameFolder(plain, plan);
        plan.form = gametools::GameArchiveForm::Bifc;
        gametools::WriteGameFolder(bifc, plan);
        return true;
    }();
    (void)made;
    return form == gametools::GameArchiveForm::Bifc ? bifc : plain;
}

void BM_ReadKeyBytesOnly(benchmark::State& state)
{
    fs::path key = Folder(gametools::GameArchiveForm::Biff) / "chitin.key";
    std::size_t size = 0;
    for (auto _ : state) {
        // Opened, and read into new memory, as the lookup does.
        std::unique_ptr<game::ByteSource> file = game::PlatformFiles().OpenForReading(key);
        size = static_cast<std::size_t>(file->Size());
        std::unique_ptr<unsigned char[]> bytes(new unsigned char[size]);
        game::ReadExact(*file, 0, bytes.get(), size, game::ReadPart::KeyFile);
        benchmark::DoNotOptimize(bytes.get());
    }
    state.counters["key_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_ReadKeyBytesOnly)->Unit(benchmark::kMicrosecond);

void BM_LookupPlain(benchmark::State& state)
{
    const fs::path& folder = Folder(gametools::GameArchiveForm::Biff);
    for (auto _ : state) {
        game::TableReading reading = game::ReadGameTable(folder);
        if (reading.activities[0].templateChoice != 1)
            state.SkipWithError("the stock table was not read");
        benchmark::DoNotOptimize(reading.cap);
    }
}
BENCHMARK(BM_LookupPlain)->Unit(benchmark::kMicrosecond);

void BM_LookupBifc(benchmark::State& state)
{
    const fs::path& folder = Folder(gametools::GameArchiveForm::Bifc);
    for (auto _ : state) {
        game::TableReading reading = game::ReadGameTable(folder);
        if (reading.activities[0].templateChoice != 1)
            state.SkipWithError("the stock table was not read");
        benchmark::DoNotOptimize(reading.cap);
    }
}
BENCHMARK(BM_LookupBifc)->Unit(benchmark::kMicrosecond);

// A table as large as the reader takes, of rows with distinct labels: the time grows with
// the size (a quarter of the size, a quarter of the time), not with the square of the rows.
std::string DistinctLabels(std::size_t size)
{
    std::string text = "2DA V1.0\r\n0\r\n1 2\r\n";
    for (int row = 0; text.size() + 16 <= size; ++row)
        text += "R" + std::to_string(1000000 + row) + " 1 2\r\n";
    return text;
}

void BM_ReadDistinctLabels(benchmark::State& state)
{
    const std::string text = DistinctLabels(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        game::TableReading reading = game::ReadTableBytes(text, {});
        benchmark::DoNotOptimize(reading.findings.size());
    }
    state.counters["rows"] = static_cast<double>(game::ReadTableBytes(text, {}).laterRows.size() + 3);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDistinctLabels)->Arg(256 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
