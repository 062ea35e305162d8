// Any stored value either reads into an item or fails with the read error; a value
// that reads is written back and read again to the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/Exceptions.h"
#include "framework/Stream.h"
#include "widgets/fill/LMDStringList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TLMDStringListItem item;
    fw::MemoryStream in(data, size);
    try {
        item.ReadData(in);
    } catch (const fw::EReadError&) {
        return 0;
    }
    fw::MemoryStream out;
    item.WriteData(out);
    out.SetPosition(0);
    TLMDStringListItem again;
    again.ReadData(out);
    if (again.Items().lines() != item.Items().lines() || again.Ident() != item.Ident() ||
        again.Description() != item.Description().substr(0, 255) || again.Compressed() != item.Compressed())
        std::abort();
    return 0;
}
