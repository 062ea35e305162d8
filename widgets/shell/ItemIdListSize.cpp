#include "widgets/shell/ItemIdListSize.h"

std::size_t ItemIdListSize(const unsigned char* bytes, std::size_t limit)
{
    std::size_t at = 0;
    for (;;) {
        if (limit - at < 2)
            return 0;
        std::size_t count = bytes[at] | (static_cast<std::size_t>(bytes[at + 1]) << 8);
        if (count == 0)
            return at + 2;
        if (count < 2 || count > limit - at)
            return 0;
        at += count;
    }
}
