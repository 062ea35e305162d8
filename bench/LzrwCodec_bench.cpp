// Compressing and decompressing 1 MiB of template-like text in 32781-byte blocks,
// beside a plain copy of the same bytes as the yardstick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "widgets/fill/LMDLzrw.h"

namespace {

constexpr std::size_t kTextSize = 1 << 20;

const std::vector<unsigned char>& Text()
{
    static const std::vector<unsigned char> text = [] {
        std::string s;
        unsigned seed = 1;
        for (int i = 0; s.size() < kTextSize; ++i) {
            seed = seed * 1103515245u + 12345u;
            s += "level " + std::to_string(i % 40 + 1) + ": " + std::to_string((seed >> 16) % 5000) + "\r\n";
        }
        s.resize(kTextSize);
        return std::vector<unsigned char>(s.begin(), s.end());
    }();
    return text;
}

std::vector<std::vector<unsigned char>> CompressAll(const std::vector<unsigned char>& text)
{
    std::vector<std::vector<unsigned char>> blocks;
    for (std::size_t at = 0; at < text.size(); at += lzrw::kMaxBlockInput) {
        std::size_t n = std::min(lzrw::kMaxBlockInput, text.size() - at);
        blocks.push_back(lzrw::CompressBlock(text.data() + at, n));
    }
    return blocks;
}

void BM_Memcpy(benchmark::State& state)
{
    const auto& text = Text();
    std::vector<unsigned char> out(text.size());
    for (auto _ : state) {
        for (std::size_t at = 0; at < text.size(); at += lzrw::kMaxBlockInput)
            std::memcpy(out.data() + at, text.data() + at, std::min(lzrw::kMaxBlockInput, text.size() - at));
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_Compress(benchmark::State& state)
{
    const auto& text = Text();
    std::size_t packed = 0;
    for (auto _ : state) {
        auto blocks = CompressAll(text);
        packed = 0;
        for (const auto& b : blocks)
            packed += b.size();
        benchmark::DoNotOptimize(packed);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(text.size());
}

void BM_Decompress(benchmark::State& state)
{
    const auto& text = Text();
    const auto blocks = CompressAll(text);
    std::vector<unsigned char> out;
    out.reserve(text.size() + lzrw::kMaxBlockInput);
    for (auto _ : state) {
        out.clear();
        for (const auto& b : blocks)
            lzrw::DecompressBlock(b.data(), b.size(), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (out != text)
        state.SkipWithError("decoded text differs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

}  // namespace

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_Compress);
BENCHMARK(BM_Decompress);
BENCHMARK_MAIN();
