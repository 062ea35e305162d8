#include "widgets/fill/LMDLzrw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Stream.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes B(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Compress(const Bytes& in)
{
    return lzrw::CompressBlock(in.data(), in.size());
}

Bytes Decompress(const Bytes& block)
{
    Bytes out;
    lzrw::DecompressBlock(block.data(), block.size(), out);
    return out;
}

// Deterministic noise that does not compress.
Bytes Noise(std::size_t n, std::uint32_t seed)
{
    Bytes out(n);
    for (auto& b : out) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<unsigned char>(seed >> 16);
    }
    return out;
}

Bytes TemplateLikeText(std::size_t n)
{
    std::string s;
    for (int i = 0; s.size() < n; ++i)
        s += std::to_string((i % 40) * 25 + 5) + "\r\n";
    s.resize(n);
    return B(s);
}

}  // namespace

TEST(LzrwBlock, EncodesTheDocumentedForms)
{
    struct Case {
        const char* name;
        Bytes input;
        Bytes block;
    };
    const Case cases[] = {
        // Three literals, then a copy 3 back of 6 bytes: (3 * 16 + 6 - 3) = 0x0033.
        {"copy", B("abcabcabc"), {0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x33}},
        // A run of 20: code 0, high and low byte of 20 - 16, the byte.
        {"run", Bytes(20, 'x'), {0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 'x'}},
        // 15 equal bytes are no run: a literal, then an overlapping copy 1 back of 14.
        {"short run", Bytes(15, 'x'), {0x40, 0x40, 0x00, 'x', 0x00, 0x1B}},
        // Would grow: stored.
        {"stored", B("ab"), {0x80, 'a', 'b'}},
        {"empty", {}, {0x80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Compress(c.input), c.block);
        EXPECT_EQ(Decompress(c.block), c.input);
    }
}

TEST(LzrwBlock, RoundTripsAndNeverGrowsBeyondTheModeByte)
{
    Bytes far = Noise(4200, 7);
    std::copy(far.begin(), far.begin() + 18, far.begin() + 4095);  // a copy exactly 4095 back
    Bytes tooFar = Noise(4200, 7);
    std::copy(tooFar.begin(), tooFar.begin() + 18, tooFar.begin() + 4096);

    struct Case {
        const char* name;
        Bytes input;
    };
    const Case cases[] = {
        {"one byte", B("z")},
        {"text", TemplateLikeText(249)},
        {"full text block", TemplateLikeText(lzrw::kMaxBlockInput)},
        {"noise block", Noise(lzrw::kMaxBlockInput, 1)},
        {"run 4095", Bytes(4095, 0)},
        {"run 4096", Bytes(4096, 0)},
        {"run 5000", Bytes(5000, 0xFF)},
        {"full run block", Bytes(lzrw::kMaxBlockInput, 'r')},
        {"copy 4095 back", far},
        {"copy 4096 back", tooFar},
        {"runs and text", [] {
             Bytes b = TemplateLikeText(3000);
             b.insert(b.begin() + 1000, 300, ' ');
             return b;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes block = Compress(c.input);
        ASSERT_LE(block.size(), c.input.size() + 1);
        EXPECT_EQ(Decompress(block), c.input);
    }
    EXPECT_EQ(Compress(Noise(lzrw::kMaxBlockInput, 1)).size(), lzrw::kMaxBlockInput + 1);
    EXPECT_LT(Compress(TemplateLikeText(lzrw::kMaxBlockInput)).size(), lzrw::kMaxBlockInput / 4);
    EXPECT_EQ(Compress(Bytes(lzrw::kMaxBlockInput, 'r'))[0], lzrw::kModeCompressed);
    EXPECT_THROW(Compress(Bytes(lzrw::kMaxBlockInput + 1, 'r')), std::length_error);
}

TEST(LzrwBlock, MatchesStartingPastPosition32767AreFound)
{
    // Compressible text up to 32768, then six noise bytes that repeat once at 32774.
    auto build = [](bool repeat) {
        Bytes b = TemplateLikeText(32768);
        Bytes tail = Noise(13, 99);
        if (repeat)
            std::copy(tail.begin(), tail.begin() + 6, tail.begin() + 6);
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    Bytes with = build(true);
    Bytes without = build(false);
    ASSERT_EQ(with.size(), lzrw::kMaxBlockInput);
    Bytes blockWith = Compress(with);
    EXPECT_EQ(Decompress(blockWith), with);
    // Six literals become one 2-byte code (a control word may go too).
    EXPECT_GE(Compress(without).size(), blockWith.size() + 4);
}

TEST(LzrwBlock, CorruptBlocksAreReadErrorsAndLeaveTheOutputAlone)
{
    auto runs = [](int count, Bytes last) {
        Bytes b{0x40, 0xFF, 0x00};  // eight codes, then a literal
        for (int i = 0; i < count; ++i)
            b.insert(b.end(), {0x00, 0x0F, 0xFF, 'z'});  // 4111 bytes each
        b.insert(b.end(), last.begin(), last.end());
        return b;
    };
    struct Case {
        const char* name;
        Bytes block;
    };
    Bytes storedTooLong(lzrw::kMaxBlockInput + 2, 'a');
    storedTooLong[0] = lzrw::kModeStored;
    const Case cases[] = {
        {"empty", {}},
        {"unknown mode", {0x41, 'a'}},
        {"mode 0", {0x00}},
        {"stored beyond 32781", storedTooLong},
        // Blocks decode on their own: the output already in the buffer is out of reach.
        {"copy before the start", {0x40, 0x80, 0x00, 0x00, 0x13}},
        {"copy one too far", {0x40, 0x20, 0x00, 'a', 0x00, 0x20}},
        {"code cut short", {0x40, 0x80, 0x00, 0x00}},
        {"run cut short", {0x40, 0x80, 0x00, 0x00, 0x00, 0x05}},
        {"control word cut short", {0x40, 0x00}},
        {"runs beyond 32781", runs(7, {0x00, 0x0F, 0xFF, 'z'})},
        {"literal beyond 32781", runs(7, {0x00, 0x0F, 0x94, 'z', 'q'})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out = B("kept");
        EXPECT_THROW(lzrw::DecompressBlock(c.block.data(), c.block.size(), out), fw::EReadError);
        EXPECT_EQ(out, B("kept"));
    }
    // The limits themselves are fine.
    EXPECT_EQ(Decompress(runs(7, {0x00, 0x0F, 0x94, 'z'})).size(), lzrw::kMaxBlockInput);
    EXPECT_EQ(Decompress({0x40, 0x40, 0x00, 'a', 0x00, 0x10}), B("aaaa"));
    EXPECT_EQ(Decompress({0x40, 0x00, 0x00}), Bytes());
}

TEST(LzrwChunks, SplitIntoIndependentBlocksOfAtMost32781Bytes)
{
    Bytes text = TemplateLikeText(2 * lzrw::kMaxBlockInput + 1000);
    fw::MemoryStream s;
    s.WriteBuffer("x", 1);
    lzrw::WriteChunked(s, text.data(), text.size());
    const Bytes& v = s.Bytes();

    std::size_t at = 1;
    auto le32 = [&](std::size_t p) { return v[p] | v[p + 1] << 8 | v[p + 2] << 16 | v[p + 3] << 24; };
    EXPECT_EQ(static_cast<std::size_t>(le32(at)), v.size() - 5);
    at += 4;
    Bytes joined;
    int chunks = 0;
    while (at < v.size()) {
        std::size_t size = le32(at);
        ASSERT_LE(size, lzrw::kMaxBlockInput + 1);
        Bytes block(v.begin() + static_cast<long>(at + 4), v.begin() + static_cast<long>(at + 4 + size));
        Bytes part = Decompress(block);
        EXPECT_LE(part.size(), lzrw::kMaxBlockInput);
        joined.insert(joined.end(), part.begin(), part.end());
        at += 4 + size;
        ++chunks;
    }
    EXPECT_EQ(chunks, 3);
    EXPECT_EQ(joined, text);

    s.SetPosition(1);
    Bytes read;
    lzrw::ReadChunked(s, read);
    EXPECT_EQ(read, text);
    EXPECT_EQ(s.Position(), s.Size());
}

TEST(LzrwChunks, OnlyTheLow16BitsOfAChunkSizeCount)
{
    const Bytes payload{9, 0, 0, 0, 5, 0, 1, 0, 0x80, 'a', 'b', 'c', 'd'};
    fw::MemoryStream s(payload);
    Bytes out;
    lzrw::ReadChunked(s, out);
    EXPECT_EQ(out, B("abcd"));
}
