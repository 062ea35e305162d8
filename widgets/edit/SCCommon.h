// Colour arithmetic shared by the edit family's looks: a colour moved lighter or darker
// by a number of steps per channel, and the light and dark partners of a base colour.
#pragma once

#include "framework/Color.h"

// The nearest colour the screen can show; nullptr keeps the colour as it is.
using SCNearestColor = fw::Color (*)(fw::Color rgb);

// The colour as red, green and blue (system colours through `lookup`), with `delta`,
// kept within -255..255, added to each channel, each kept within 0..255.
fw::Color SCShiftColor(fw::Color color, int delta, fw::SystemColorLookup lookup = nullptr);
// Each channel plus 220, at most 255, then the nearest colour the screen shows.
fw::Color SCLightenColor(fw::Color color, fw::SystemColorLookup lookup = nullptr, SCNearestColor nearest = nullptr);
// Each channel less 160, at least 0, then the nearest colour the screen shows.
fw::Color SCDarkenColor(fw::Color color, fw::SystemColorLookup lookup = nullptr, SCNearestColor nearest = nullptr);
