// Any table text reads to forty levels per activity with findings that carry a code and a
// sentence; a plain text reads the same once encrypted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/tools/ArchiveWriter.h"
#include "game/TableReading.h"
#include "game/TwoDaText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    game::TableReading reading = game::ReadTableBytes(text, {});
    if (reading.cap < 0)
        std::abort();
    for (const game::Finding& f : reading.findings)
        if (f.code.empty() || f.message.empty() || (f.level && (*f.level < 1 || *f.level > game::kLevels)))
            std::abort();
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFF)
        return 0;
    // The reader decrypts before it looks at anything else, so the encrypted twin reads the
    // same exactly when it decrypts back to the text; a second whole reading would prove no more.
    bool encrypted = false;
    if (game::DecryptText(gametools::EncryptText(text), encrypted) != text || !encrypted)
        std::abort();
    return 0;
}
