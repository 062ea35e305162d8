#include "game/Biff.h"

#include <algorithm>
#include <cstring>

#include "game/ReadError.h"

namespace game {

namespace {

const std::size_t kHeaderSize = 20;
const std::size_t kEntrySize = 16;
// 16 KB at a time: with zlib's window and input this keeps a compressed read within 64 KB.
const std::size_t kEntriesPerChunk = 1024;

struct Slice {
    std::uint64_t offset;
    std::uint32_t size;
};

// The file entries' count and offset, from the 20-byte header.
std::pair<std::uint32_t, std::uint32_t> ReadHeader(BiffBytes& biff)
{
    unsigned char header[kHeaderSize];
    biff.Read(0, header, kHeaderSize, ReadPart::BiffHeader);
    if (std::memcmp(header, "BIFFV1  ", 8) != 0)
        throw ReadError(ReadProblem::NotABiff, biff.Name(), 0);
    std::uint32_t count = U32(header + 8);
    if (count > kMaxArchiveEntries)
        throw ReadError(ReadProblem::TooManyEntries, biff.Name(), 8, {.count = count});
    return {count, U32(header + 16)};
}

Slice FindEntry(BiffBytes& biff, std::uint32_t count, std::uint64_t tableOffset, std::uint32_t fileIndex)
{
    std::vector<unsigned char> chunk;
    for (std::uint32_t first = 0; first < count; first += kEntriesPerChunk) {
        std::uint32_t n = std::min<std::uint32_t>(kEntriesPerChunk, count - first);
        chunk.resize(std::size_t(n) * kEntrySize);
        biff.Read(tableOffset + std::uint64_t(first) * kEntrySize, chunk.data(), chunk.size(), ReadPart::EntryTable);
        for (std::uint32_t i = 0; i < n; ++i) {
            const unsigned char* e = chunk.data() + std::size_t(i) * kEntrySize;
            if ((U32(e) & kFileIndexMask) == fileIndex)
                return {U32(e + 4), U32(e + 8)};
        }
    }
    throw ReadError(ReadProblem::NoEntry, biff.Name(), tableOffset, {.count = count, .index = fileIndex});
}

}  // namespace

void PlainBiff::Read(std::uint64_t offset, unsigned char* out, std::size_t size, ReadPart part)
{
    ReadExact(source_, offset, out, size, part);
}

std::vector<unsigned char> PlainBiff::ReadBytes(std::uint64_t offset, std::size_t size, ReadPart part)
{
    return game::ReadBytes(source_, offset, size, part);
}

std::vector<unsigned char> ReadBiffEntry(BiffBytes& biff, std::uint32_t locator)
{
    auto [count, tableOffset] = ReadHeader(biff);
    Slice slice = FindEntry(biff, count, tableOffset, locator & kFileIndexMask);
    if (slice.size > kMaxTableSize)
        throw ReadError(ReadProblem::EntryTooLarge, biff.Name(), slice.offset, {.size = slice.size});
    return biff.ReadBytes(slice.offset, slice.size, ReadPart::TableData);
}

}  // namespace game
