// The edit's keys, mouse, cursor and focus.
#include "framework/Cursors.h"
#include "widgets/edit/SCEdits.h"

namespace {

// The engine's name for a key, or false when the key is not the edit's.
bool EditKeyOf(WORD key, TSCEditKey& out)
{
    switch (key) {
    case VK_HOME: out = TSCEditKey::Home; return true;
    case VK_END: out = TSCEditKey::End; return true;
    case VK_LEFT: out = TSCEditKey::Left; return true;
    case VK_RIGHT: out = TSCEditKey::Right; return true;
    case VK_BACK: out = TSCEditKey::Backspace; return true;
    case VK_DELETE: out = TSCEditKey::Delete; return true;
    case VK_INSERT: out = TSCEditKey::Insert; return true;
    case 'C': out = TSCEditKey::C; return true;
    case 'V': out = TSCEditKey::V; return true;
    case 'X': out = TSCEditKey::X; return true;
    case 'Z': out = TSCEditKey::Z; return true;
    default: return false;
    }
}

}  // namespace

LRESULT TSCCustomEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETCURSOR: return CursorMessage(message, wParam, lParam);
    case WM_CAPTURECHANGED: return CaptureChangedMessage(message, wParam, lParam);
    default: return TSCCustomControl::WndProc(message, wParam, lParam);
    }
}

LRESULT TSCCustomEdit::DlgCode(LRESULT platformCode, const MSG* message)
{
    (void)message;
    return platformCode | DLGC_WANTARROWS | DLGC_WANTCHARS;
}

LRESULT TSCCustomEdit::CursorMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The I-beam over the text and while selecting, unless the control has a cursor of its own.
    if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && Cursor() == fw::crDefault) {
        POINT p;
        GetCursorPos(&p);
        p = ScreenToClient(p);
        if (engine_.WantsIBeam(p.x, p.y)) {
            ::SetCursor(fw::ScreenCursor(fw::crIBeam));
            return TRUE;
        }
    }
    return TSCCustomControl::WndProc(message, wParam, lParam);
}

LRESULT TSCCustomEdit::CaptureChangedMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Our own release comes with no new window; another window taking the mouse (a menu,
    // a dialog) means the release will never come.
    const HWND taker = reinterpret_cast<HWND>(lParam);
    if (taker && taker != Handle())
        CaptureLost();
    return TSCCustomControl::WndProc(message, wParam, lParam);
}

void TSCCustomEdit::CaptureLost()
{
    engine_.CancelMouseSelection();
}

void TSCCustomEdit::KeyDown(WORD& key, fw::ShiftState shift)
{
    TSCCustomControl::KeyDown(key, shift);
    TSCEditKey editKey;
    if (key && !(shift & fw::ssAlt) && EditKeyOf(key, editKey) &&
        engine_.KeyDown(editKey, (shift & fw::ssShift) != 0, (shift & fw::ssCtrl) != 0))
        key = 0;
}

void TSCCustomEdit::KeyPress(char& key)
{
    TSCCustomControl::KeyPress(key);
    if (key && engine_.KeyPress(key))
        key = 0;
}

bool TSCCustomEdit::AutoSelectsOnPress(fw::MouseButton button, int x, int y) const
{
    return !(button == fw::MouseButton::Left && engine_.TextArea().Contains(x, y));
}

void TSCCustomEdit::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    // Any press focuses the field, though Tab may skip it.
    if (CanFocus() && !Focused()) {
        focusPlacesCaret_ = !AutoSelectsOnPress(button, x, y);
        SetFocus();
        focusPlacesCaret_ = false;
    }
    if (!Focused())
        return;
    if (button == fw::MouseButton::Left)
        engine_.MouseDown(x, y, (shift & fw::ssShift) != 0, (shift & fw::ssDouble) != 0);
    TSCCustomControl::MouseDown(button, shift, x, y);
}

void TSCCustomEdit::MouseMove(fw::ShiftState shift, int x, int y)
{
    // A move without the left button held: its release went to someone else.
    if (!(shift & fw::ssLeft))
        engine_.CancelMouseSelection();
    engine_.MouseMove(x, y);
    TSCCustomControl::MouseMove(shift, x, y);
}

void TSCCustomEdit::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    if (button == fw::MouseButton::Left)
        engine_.MouseUp(x, y);
    TSCCustomControl::MouseUp(button, shift, x, y);
}

void TSCCustomEdit::DoEnter()
{
    CreateCaret(1, engine_.LineHeight());
    const TSCEditPoint caret = engine_.CaretPoint();
    SetCaretPos(caret.X, caret.Y);
    ShowCaret();
    engine_.FocusEnter(focusPlacesCaret_);
    if (colors_->FocusColor() != fw::clNone)
        Invalidate();
    TSCCustomControl::DoEnter();
}

void TSCCustomEdit::DoExit()
{
    engine_.FocusExit();
    DestroyCaret();
    if (colors_->FocusColor() != fw::clNone)
        Invalidate();
    TSCCustomControl::DoExit();
}
