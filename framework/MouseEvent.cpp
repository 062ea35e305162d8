#include "framework/MouseEvent.h"

#include <windowsx.h>

namespace fw {

namespace {

ShiftState ShiftOf(WPARAM flags)
{
    ShiftState s = 0;
    if (flags & MK_SHIFT)
        s |= ssShift;
    if (flags & MK_CONTROL)
        s |= ssCtrl;
    if (flags & MK_LBUTTON)
        s |= ssLeft;
    if (flags & MK_RBUTTON)
        s |= ssRight;
    if (flags & MK_MBUTTON)
        s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

}  // namespace

bool MouseEvent::Decode(UINT message, WPARAM wParam, LPARAM lParam, MouseEvent& event)
{
    struct Row {
        UINT message;
        Kind kind;
        MouseButton button;
        bool isDouble;
    };
    static const Row rows[] = {
        {WM_MOUSEMOVE, Move, MouseButton::Left, false},
        {WM_LBUTTONDOWN, Down, MouseButton::Left, false},
        {WM_LBUTTONDBLCLK, Down, MouseButton::Left, true},
        {WM_LBUTTONUP, Up, MouseButton::Left, false},
        {WM_RBUTTONDOWN, Down, MouseButton::Right, false},
        {WM_RBUTTONDBLCLK, Down, MouseButton::Right, true},
        {WM_RBUTTONUP, Up, MouseButton::Right, false},
        {WM_MBUTTONDOWN, Down, MouseButton::Middle, false},
        {WM_MBUTTONDBLCLK, Down, MouseButton::Middle, true},
        {WM_MBUTTONUP, Up, MouseButton::Middle, false},
    };
    for (const Row& row : rows) {
        if (row.message != message)
            continue;
        event.kind = row.kind;
        event.button = row.button;
        event.shift = ShiftOf(wParam) | (row.isDouble ? ShiftState{ssDouble} : ShiftState{0});
        event.at = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        event.buttonsHeld = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
        return true;
    }
    return false;
}

MouseEvent MouseEvent::At(POINT origin) const
{
    MouseEvent moved = *this;
    moved.at.x -= origin.x;
    moved.at.y -= origin.y;
    return moved;
}

}  // namespace fw
