// The window procedure of WinControl: one line per message, each calling a named handler.
#include <windowsx.h>

#include "framework/Cp1251.h"
#include "framework/WinControl.h"

namespace fw {

namespace {

struct PaintScope {
    explicit PaintScope(HWND window) : window(window), dc(BeginPaint(window, &ps)) {}
    ~PaintScope() { EndPaint(window, &ps); }
    HWND window;
    PAINTSTRUCT ps = {};
    HDC dc;
};

// The window a notification for a child comes from, or nullptr.
HWND NotifyingChild(UINT message, LPARAM lParam)
{
    if (message == WM_NOTIFY)
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    return reinterpret_cast<HWND>(lParam);
}

}  // namespace

LRESULT WinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: return PaintMessage(message, wParam, lParam);
    case WM_PRINTCLIENT: return PrintClientMessage(message, wParam, lParam);
    case WM_ERASEBKGND: return SelfPainted() ? 1 : DefaultHandler(message, wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: return MouseMessage(message, wParam, lParam);
    case WM_MOUSELEAVE: return MouseLeaveMessage(message, wParam, lParam);
    case WM_CAPTURECHANGED: return CaptureChangedMessage(message, wParam, lParam);
    case WM_SETCURSOR: return SetCursorMessage(message, wParam, lParam);
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: return KeyMessage(message, wParam, lParam);
    case WM_CHAR: return CharMessage(message, wParam, lParam);
    case WM_SYSCHAR: return SysCharMessage(message, wParam, lParam);
    case WM_SETFOCUS: return SetFocusMessage(message, wParam, lParam);
    case WM_KILLFOCUS: return KillFocusMessage(message, wParam, lParam);
    case WM_GETDLGCODE: return DlgCode(DefaultHandler(message, wParam, lParam), reinterpret_cast<const MSG*>(lParam));
    case WM_CONTEXTMENU: return ContextMenuMessage(message, wParam, lParam);
    case WM_NOTIFY: return NotifyMessage(message, wParam, lParam);
    case WM_COMMAND:
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: case WM_CTLCOLORSCROLLBAR: return ReflectToChild(message, wParam, lParam);
    case WM_VSCROLL: return ScrollMessage(message, wParam, lParam);
    case WM_MOVE: case WM_SIZE: return SyncBounds(message, wParam, lParam);
    default: return DefaultHandler(message, wParam, lParam);
    }
}

LRESULT WinControl::PaintMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!SelfPainted())
        return DefaultHandler(message, wParam, lParam);
    PaintScope paint(handle_);
    RECT client;
    GetClientRect(handle_, &client);
    if (client.right <= 0 || client.bottom <= 0 || !paint.dc)
        return 0;
    if (!buffer_ || buffer_->Width() != client.right || buffer_->Height() != client.bottom)
        buffer_ = std::make_unique<DibSection>(client.right, client.bottom);
    const RECT dirty = paint.ps.rcPaint;
    {
        SavedDC saved(buffer_->DC());
        IntersectClipRect(buffer_->DC(), dirty.left, dirty.top, dirty.right, dirty.bottom);
        ExcludeChildWindows(buffer_->DC());
        PaintTo(buffer_->DC());
    }
    BitBlt(paint.dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer_->DC(),
           dirty.left, dirty.top, SRCCOPY);
    return 0;
}

void WinControl::ExcludeChildWindows(HDC dc)
{
    // Under a child window none of ours shows: filling it would only cost time.
    if (!(GetWindowLongW(handle_, GWL_STYLE) & WS_CLIPCHILDREN))
        return;
    for (Control* c : controls_) {
        HWND child = c->IsWindowed() ? static_cast<WinControl*>(c)->handle_ : nullptr;
        if (!child || !IsWindowVisible(child))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

LRESULT WinControl::PrintClientMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!SelfPainted())
        return DefaultHandler(message, wParam, lParam);
    PaintTo(reinterpret_cast<HDC>(wParam));
    return 0;
}

LRESULT WinControl::KeyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    WORD key = static_cast<WORD>(wParam);
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        KeyDown(key, KeyboardShift());
    else
        KeyUp(key, KeyboardShift());
    // A handler that cleared the key, or freed the window, has taken it.
    if (!key || !handle_)
        return 0;
    return DefaultHandler(message, key, lParam);
}

LRESULT WinControl::CharMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers see the cp1251 character; the platform gets back whatever they leave.
    const std::string narrow = Narrow(std::wstring(1, static_cast<wchar_t>(wParam)));
    char key = narrow.empty() ? '?' : narrow[0];
    KeyPress(key);
    if (!key || !handle_)
        return 0;
    // A character this window does not take is a dialog character of its form.
    const LRESULT wants = Perform(WM_GETDLGCODE, wParam, 0);
    if (!(wants & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) && OfferDialogChar(key))
        return 0;
    const std::wstring wide = Widen(std::string(1, key));
    return DefaultHandler(message, wide.empty() ? wParam : static_cast<WPARAM>(wide[0]), lParam);
}

LRESULT WinControl::SysCharMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Alt+letter: a control of the form that takes it spares the menu's beep.
    const std::string narrow = Narrow(std::wstring(1, static_cast<wchar_t>(wParam)));
    if (!narrow.empty() && OfferDialogChar(narrow[0]))
        return 0;
    return DefaultHandler(message, wParam, lParam);
}

bool WinControl::OfferDialogChar(char key)
{
    WinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    return top->DialogChar(key);
}

bool WinControl::DialogChar(char key)
{
    for (Control* c : controls_)
        if (c->Visible() && c->DialogChar(key))
            return true;
    return false;
}

LRESULT WinControl::SetFocusMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    if (parent_)
        parent_->ChildFocused(this);
    DoEnter();
    return result;
}

LRESULT WinControl::KillFocusMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    DoExit();
    return DefaultHandler(message, wParam, lParam);
}

LRESULT WinControl::ContextMenuMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A child's request that the child left unhandled passes on to us: not ours to answer.
    if (reinterpret_cast<HWND>(wParam) == handle_ &&
        RouteContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return 0;
    return DefaultHandler(message, wParam, lParam);
}

bool WinControl::RouteContextMenu(POINT screen)
{
    // From the keyboard (-1, -1) the request is ours; from the mouse it belongs to the
    // enabled windowless child under the pointer, if any, in its own coordinates.
    Control* target = this;
    POINT where = screen;
    if (screen.x != -1 || screen.y != -1) {
        where = ScreenToClient(screen);
        Control* child = GraphicControlAt(where.x, where.y);
        if (child && child->Enabled()) {
            target = child;
            where.x -= child->left_;
            where.y -= child->top_;
        }
    }
    bool handled = false;
    target->ContextPopup(where, handled);
    return handled;
}

LRESULT WinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Notifications, commands and colour requests of a platform child are the child's business.
    WinControl* child = FromHandle(NotifyingChild(message, lParam));
    LRESULT result = 0;
    if (child && child != this && child->Reflected(message, wParam, lParam, result))
        return result;
    return DefaultHandler(message, wParam, lParam);
}

bool WinControl::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND: return CommandNotify(HIWORD(wParam), result);
    case WM_NOTIFY: return Notify(reinterpret_cast<NMHDR*>(lParam), result);
    default: break;
    }
    HBRUSH brush = CtlColor(reinterpret_cast<HDC>(wParam), message);
    result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

LRESULT WinControl::ScrollMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (lParam)  // from a scroll-bar control, not our own bar
        return DefaultHandler(message, wParam, lParam);
    VScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
    return 0;
}

LRESULT WinControl::SyncBounds(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The platform moved or sized us (or confirmed our own move): keep the fields true.
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    if (message == WM_SIZE)
        Resize();
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace fw
