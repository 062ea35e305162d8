// Resolving framework colours with the platform's current system colours.
#pragma once

#include <windows.h>

#include "framework/Color.h"

namespace fw {

// The platform's current value of a system colour index: the lookup for code that resolves
// colours without the platform headers.
std::uint32_t PlatformSystemColor(int index);

// The COLORREF a colour paints with now.
COLORREF ColorToRGB(Color c);

}  // namespace fw
