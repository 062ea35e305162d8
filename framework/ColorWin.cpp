#include "framework/ColorWin.h"

namespace fw {

std::uint32_t PlatformSystemColor(int index) { return GetSysColor(index); }

COLORREF ColorToRGB(Color c) { return ResolveColor(c, PlatformSystemColor); }

}  // namespace fw
