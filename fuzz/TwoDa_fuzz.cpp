// Any table text, plain or encrypted, reads to forty levels per activity with findings that
// carry a code, a sentence and, where they name one, a level within the forty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/TableReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    game::TableReading reading = game::ReadTableBytes(text, {});
    if (reading.cap < 0)
        std::abort();
    for (const game::Finding& f : reading.findings)
        if (f.code.empty() || f.message.empty() || (f.level && (*f.level < 1 || *f.level > game::kLevels)))
            std::abort();
    return 0;
}
