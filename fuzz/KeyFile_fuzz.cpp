// Any KEY gives the table's entry, none, or the read error; never a read outside the bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "game/KeyFile.h"
#include "game/TableReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    game::MemorySource key("chitin.key", data, size);
    try {
        std::optional<game::KeyEntry> entry = game::FindInKey(key, "XPBONUS", game::kTwoDaType);
        if (entry && (entry->archiveName.empty() || entry->archiveNameOffset >= size))
            std::abort();
    } catch (const game::ReadError&) {
    }
    return 0;
}
