#include "framework/ColorWin.h"

namespace fw {

namespace {
std::uint32_t PlatformSystemColor(int index) { return GetSysColor(index); }
}  // namespace

COLORREF ColorToRGB(Color c) { return ResolveColor(c, PlatformSystemColor); }

}  // namespace fw
