#include "framework/Color.h"

namespace fw {

Color ResolveColor(Color c, SystemColorLookup lookup)
{
    if (IsSystemColor(c))
        return lookup ? (lookup(SystemColorIndex(c)) & 0x00FFFFFFu) : 0;
    if (c == clNone || c == clDefault)
        return clBlack;
    return c & 0x00FFFFFFu;
}

}  // namespace fw
