// Any archive after the "BIFCV1.0" signature gives the entry of the locator in the first two
// bytes, or the read error; the entry never exceeds the 1 MiB table limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/CompressedBiff.h"
#include "game/TableReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::uint32_t locator = static_cast<std::uint32_t>(data[0] | data[1] << 8);
    std::string bytes = std::string("BIFCV1.0") + std::string(reinterpret_cast<const char*>(data) + 2, size - 2);
    game::MemorySource source("x.bif", bytes.data(), bytes.size());
    try {
        if (game::SniffArchive(source) != game::ArchiveForm::Bifc)
            std::abort();
        game::CompressedBiff biff(source, game::ArchiveForm::Bifc);
        if (game::ReadBiffEntry(biff, locator).size() > game::kMaxTableSize)
            std::abort();
    } catch (const game::ReadError&) {
    }
    return 0;
}
