#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Biff.h"
#include "game/CompressedBiff.h"
#include "game/KeyFile.h"
#include "tests/tools/ArchiveWriter.h"

namespace game {
namespace {

using namespace gametools;

// Bytes zlib cannot shrink much, so the stream spans many input chunks and blocks.
std::string Noise(std::size_t size)
{
    std::string text(size, '\0');
    std::uint32_t x = 12345;
    for (char& c : text) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 16);
    }
    return text;
}

std::string Patched(std::string bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string Entry(const std::string& archive)
{
    MemorySource source("x.bif", archive.data(), archive.size());
    std::vector<unsigned char> entry = ReadBiffEntry(*OpenArchive(source, SniffArchive(source)), 2);
    return std::string(entry.begin(), entry.end());
}

// Entries below, at and past the sizes the compressed reader grows its buffer by, up to the limit.
TEST(CompressedBiff, EntriesOfAnySizeReadWhole)
{
    for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(65536), std::size_t(65537),
                             std::size_t(200001), std::size_t(kMaxTableSize)}) {
        SCOPED_TRACE(size);
        std::string data = Noise(size);
        std::string biff = MakeBiff({{1, kTwoDaType, "before"}, {2, kTwoDaType, data}});
        EXPECT_EQ(Entry(biff), data);
        EXPECT_EQ(Entry(MakeBifc(biff, 5000)), data);
        EXPECT_EQ(Entry(MakeBifV10(biff, "x.bif")), data);
    }
}

// A stream claiming more than it holds fails where it ends, however far the entry claims to go.
TEST(CompressedBiff, ShortStreamNamesWhereItEnds)
{
    std::string biff = MakeBiff({{2, kTwoDaType, Noise(150000)}});
    // The entry's size one past its data, the plain size 4 GB.
    std::string bif = Patched(MakeBifV10(Patched(biff, 28, 150001), "x.bif"), 18, 0xFFFFFFFF);
    try {
        Entry(bif);
        ADD_FAILURE() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.Problem(), ReadProblem::StreamShort);
        EXPECT_EQ(e.Values().end, biff.size());
    }
}

}  // namespace
}  // namespace game
