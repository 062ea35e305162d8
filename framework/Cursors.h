// The process-wide table of screen cursors by number. Negative numbers are the
// platform's stock cursors; programs register their own under positive numbers.
#pragma once

#include <windows.h>

namespace fw {

enum : int {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The cursor registered under `id`; the arrow for unknown numbers, nullptr for crNone.
HCURSOR ScreenCursor(int id);
// Registers (or replaces) a cursor; the table owns it when `owned` and destroys the
// one it replaces.
void SetScreenCursor(int id, HCURSOR cursor, bool owned = true);

}  // namespace fw
