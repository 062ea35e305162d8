// Decoding any block stays in bounds and ends in output or the read error; encoding
// the first 32781 bytes of any input decodes back to them.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/Exceptions.h"
#include "widgets/fill/LMDLzrw.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> out;
    try {
        lzrw::DecompressBlock(data, size, out);
        if (out.size() > lzrw::kMaxBlockInput)
            std::abort();
    } catch (const fw::EReadError&) {
        if (!out.empty())
            std::abort();
    }

    std::size_t n = size < lzrw::kMaxBlockInput ? size : lzrw::kMaxBlockInput;
    std::vector<unsigned char> block = lzrw::CompressBlock(data, n);
    if (block.size() > n + 1)
        std::abort();
    std::vector<unsigned char> back;
    lzrw::DecompressBlock(block.data(), block.size(), back);
    if (back.size() != n || (n != 0 && !std::equal(back.begin(), back.end(), data)))
        std::abort();
    return 0;
}
