// One mouse message decoded: what happened, with which button, the shift state and the
// point. The window procedure decodes once and hands the event to whichever control
// (the window itself or a windowless child) it is for.
#pragma once

#include <windows.h>

#include "framework/Control.h"

namespace fw {

struct MouseEvent {
    enum Kind { Move, Down, Up };
    Kind kind = Move;
    MouseButton button = MouseButton::Left;
    ShiftState shift = 0;  // with ssDouble for the second press of a double click
    POINT at = {0, 0};     // client coordinates of the window that got the message
    bool buttonsHeld = false;  // some button is still down after this message

    // Decodes WM_MOUSEMOVE and the button messages; false for anything else.
    static bool Decode(UINT message, WPARAM wParam, LPARAM lParam, MouseEvent& event);
    // The same event in the coordinates of a control lying at `origin`.
    MouseEvent At(POINT origin) const;
};

}  // namespace fw
