// Resolving framework colours with the platform's current system colours.
#pragma once

#include <windows.h>

#include "framework/Color.h"

namespace fw {

// The COLORREF a colour paints with now.
COLORREF ColorToRGB(Color c);

}  // namespace fw
