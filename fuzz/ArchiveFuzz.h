// The body the archive fuzz targets share: any bytes after one form's signature give the
// entry of the locator in the first two input bytes, or the read error; the entry never
// exceeds the 1 MiB table limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "game/CompressedBiff.h"
#include "game/Limits.h"
#include "game/ReadError.h"

inline int FuzzArchive(const std::uint8_t* data, std::size_t size, game::ArchiveForm form)
{
    if (size < 2)
        return 0;
    static const char* const kSignatures[] = {"BIFFV1  ", "BIFCV1.0", "BIF V1.0"};
    std::uint32_t locator = static_cast<std::uint32_t>(data[0] | data[1] << 8);
    // One buffer of the exact size, so a read past its end still meets the redzone.
    std::vector<unsigned char> bytes(size + 6);
    std::memcpy(bytes.data(), kSignatures[static_cast<int>(form)], 8);
    std::memcpy(bytes.data() + 8, data + 2, size - 2);
    game::MemorySource source("x.bif", bytes.data(), bytes.size());
    try {
        if (game::SniffArchive(source) != form)
            std::abort();
        if (game::ReadBiffEntry(*game::OpenArchive(source, form), locator).size() > game::kMaxTableSize)
            std::abort();
    } catch (const game::ReadError&) {
    }
    return 0;
}
