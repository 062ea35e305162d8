#include "widgets/fill/LMDLzrw.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "framework/Exceptions.h"
#include "framework/Stream.h"

namespace lzrw {

namespace {

constexpr std::size_t kMaxDistance = 4095;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
// Positions fit 16 bits because a block is shorter than this sentinel.
constexpr std::uint16_t kEmpty = 0xFFFF;
static_assert(kMaxBlockInput < kEmpty);

std::size_t Hash(const unsigned char* p)
{
    std::uint32_t h = ((((static_cast<std::uint32_t>(p[0]) << 4) ^ p[1]) << 4) ^ p[2]);
    return ((h * 40543u) >> 4) & 0xFFF;
}

std::vector<unsigned char> Stored(const unsigned char* data, std::size_t size)
{
    std::vector<unsigned char> out;
    out.reserve(size + 1);
    out.push_back(kModeStored);
    out.insert(out.end(), data, data + size);
    return out;
}

// A compressed block's codes, after its mode byte, into dst; returns the bytes written.
std::size_t Decode(const unsigned char* block, std::size_t size, unsigned char* dst)
{
    std::size_t y = 0;
    std::size_t x = 1;
    unsigned control = 0;
    int bits = 0;
    while (x < size) {
        if (bits == 0) {
            if (size - x < 2)
                throw fw::EReadError();
            control = (static_cast<unsigned>(block[x]) << 8) | block[x + 1];
            x += 2;
            bits = 16;
            continue;
        }
        bool isCode = (control & 0x8000) != 0;
        control = (control << 1) & 0xFFFF;
        --bits;
        if (!isCode) {
            if (y == kMaxBlockInput)
                throw fw::EReadError();
            dst[y++] = block[x++];
            continue;
        }
        if (size - x < 2)
            throw fw::EReadError();
        std::size_t code = (static_cast<std::size_t>(block[x]) << 8) | block[x + 1];
        std::size_t distance = code >> 4;
        if (distance == 0) {
            if (size - x < 4)
                throw fw::EReadError();
            std::size_t run = ((code & 0xF) << 8 | block[x + 2]) + kMinRun;
            if (run > kMaxBlockInput - y)
                throw fw::EReadError();
            std::memset(dst + y, block[x + 3], run);
            y += run;
            x += 4;
        } else {
            std::size_t length = (code & 0xF) + kMinMatch;
            // Blocks decode on their own: a copy may not reach before this block's output.
            if (distance > y || length > kMaxBlockInput - y)
                throw fw::EReadError();
            // Byte by byte: source and target may overlap.
            for (std::size_t k = 0; k < length; ++k, ++y)
                dst[y] = dst[y - distance];
            x += 2;
        }
    }
    return y;
}

}  // namespace

std::vector<unsigned char> CompressBlock(const unsigned char* data, std::size_t size)
{
    if (size > kMaxBlockInput)
        throw std::length_error("LZRW block too large");

    std::array<std::uint16_t, 4096> table;
    table.fill(kEmpty);

    std::vector<unsigned char> out;
    out.reserve(size + 24);
    out.push_back(kModeCompressed);
    std::size_t controlPos = out.size();
    out.push_back(0);
    out.push_back(0);
    unsigned control = 0;
    int bits = 0;

    std::size_t x = 0;
    while (x < size && out.size() <= size) {
        if (bits == 16) {
            out[controlPos] = static_cast<unsigned char>(control >> 8);
            out[controlPos + 1] = static_cast<unsigned char>(control);
            controlPos = out.size();
            out.push_back(0);
            out.push_back(0);
            control = 0;
            bits = 0;
        }
        std::size_t run = 1;
        while (x + run < size && run < kMaxRun && data[x + run] == data[x])
            ++run;
        if (run >= kMinRun) {
            std::size_t n = run - kMinRun;
            out.push_back(0);
            out.push_back(static_cast<unsigned char>(n >> 8));
            out.push_back(static_cast<unsigned char>(n));
            out.push_back(data[x]);
            control = (control << 1) | 1;
            x += run;
        } else {
            std::size_t length = 0;
            std::size_t distance = 0;
            if (x + kMinMatch <= size) {
                std::size_t h = Hash(data + x);
                std::uint16_t candidate = table[h];
                table[h] = static_cast<std::uint16_t>(x);
                if (candidate != kEmpty && x - candidate <= kMaxDistance) {
                    while (length < kMaxMatch && x + length < size && data[candidate + length] == data[x + length])
                        ++length;
                    if (length >= kMinMatch)
                        distance = x - candidate;
                }
            }
            if (distance != 0) {
                std::size_t code = (distance << 4) | (length - kMinMatch);
                out.push_back(static_cast<unsigned char>(code >> 8));
                out.push_back(static_cast<unsigned char>(code));
                control = (control << 1) | 1;
                x += length;
            } else {
                out.push_back(data[x]);
                control <<= 1;
                ++x;
            }
        }
        ++bits;
    }
    if (x < size || out.size() > size)
        return Stored(data, size);
    control <<= (16 - bits);
    out[controlPos] = static_cast<unsigned char>(control >> 8);
    out[controlPos + 1] = static_cast<unsigned char>(control);
    return out;
}

void DecompressBlock(const unsigned char* block, std::size_t size, std::vector<unsigned char>& out)
{
    if (size == 0)
        throw fw::EReadError();
    if (block[0] == kModeStored) {
        if (size - 1 > kMaxBlockInput)
            throw fw::EReadError();
        out.insert(out.end(), block + 1, block + size);
        return;
    }
    if (block[0] != kModeCompressed)
        throw fw::EReadError();
    // Decoded apart and appended once whole: out grows by what the block holds, not by the
    // most a block could hold, and stays as it was when the block is corrupt.
    unsigned char dst[kMaxBlockInput];
    std::size_t y = Decode(block, size, dst);
    out.insert(out.end(), dst, dst + y);
}

void WriteChunked(fw::Stream& stream, const unsigned char* data, std::size_t size)
{
    std::int64_t totalPos = stream.Position();
    stream.WriteUInt32(0);
    std::uint32_t total = 0;
    for (std::size_t done = 0; done < size;) {
        std::size_t n = size - done < kMaxBlockInput ? size - done : kMaxBlockInput;
        std::vector<unsigned char> block = CompressBlock(data + done, n);
        stream.WriteUInt32(static_cast<std::uint32_t>(block.size()));
        stream.WriteBuffer(block.data(), block.size());
        total += static_cast<std::uint32_t>(block.size() + 4);
        done += n;
    }
    std::int64_t end = stream.Position();
    stream.SetPosition(totalPos);
    stream.WriteUInt32(total);
    stream.SetPosition(end);
}

void ReadChunked(fw::Stream& stream, std::vector<unsigned char>& out)
{
    std::int64_t total = stream.ReadUInt32();
    std::vector<unsigned char> block;
    while (total > 0) {
        // Only the low 16 bits of a chunk size count.
        std::size_t chunk = stream.ReadUInt32() & 0xFFFF;
        if (static_cast<std::int64_t>(chunk) > stream.Remaining())
            throw fw::EReadError();
        block.resize(chunk);
        stream.ReadBuffer(block.data(), chunk);
        DecompressBlock(block.data(), chunk, out);
        total -= static_cast<std::int64_t>(chunk) + 4;
    }
}

}  // namespace lzrw
