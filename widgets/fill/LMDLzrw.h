// LZRW1/KH block codec and the chunked payload that carries compressed item text.
#pragma once

#include <cstddef>
#include <vector>

namespace fw {
class Stream;
}

namespace lzrw {

// The most bytes one block holds before compression.
constexpr std::size_t kMaxBlockInput = 32781;
constexpr unsigned char kModeCompressed = 0x40;
constexpr unsigned char kModeStored = 0x80;

// Encodes at most kMaxBlockInput bytes as one block, mode byte first. Input that
// would not shrink is stored as it is. Larger input throws std::length_error.
std::vector<unsigned char> CompressBlock(const unsigned char* data, std::size_t size);

// Decodes one block and appends its output to out. A corrupt block (unknown mode,
// a code cut short, a copy reaching before the block's own output, output beyond
// kMaxBlockInput) throws fw::EReadError and leaves out as it was.
void DecompressBlock(const unsigned char* block, std::size_t size, std::vector<unsigned char>& out);

// Payload: 32-bit total of the bytes that follow, then chunks of a 32-bit size and one block.
void WriteChunked(fw::Stream& stream, const unsigned char* data, std::size_t size);
// Appends the decoded text to out; a chunk larger than what the stream still holds
// throws fw::EReadError.
void ReadChunked(fw::Stream& stream, std::vector<unsigned char>& out);

}  // namespace lzrw
