#include "framework/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cursors.h"
#include "framework/Exceptions.h"

namespace fw {

namespace {

// Our window classes by name, with the procedure of the platform class each builds on.
std::map<std::wstring, WNDPROC>& RegisteredClasses()
{
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

// The object whose window is being created (for messages that come before WM_NCCREATE).
WinControl* g_creating = nullptr;

int SlotOffset(HWND window)
{
    return static_cast<int>(GetClassLongPtrW(window, GCL_CBWNDEXTRA)) - static_cast<int>(sizeof(LONG_PTR));
}

int NextChildId()
{
    // Low identifiers are the dialog manager's IDOK and IDCANCEL.
    static int next = 1000;
    return next++;
}

ShiftState MouseShift(WPARAM flags)
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

struct PaintScope {
    explicit PaintScope(HWND window) : window(window), dc(BeginPaint(window, &ps)) {}
    ~PaintScope() { EndPaint(window, &ps); }
    HWND window;
    PAINTSTRUCT ps = {};
    HDC dc;
};

WNDPROC RegisterOnce(const std::wstring& className, const std::wstring& baseClass, UINT classStyle, WNDPROC proc)
{
    auto& classes = RegisteredClasses();
    auto it = classes.find(className);
    if (it != classes.end())
        return it->second;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    WNDPROC base = DefWindowProcW;
    if (!baseClass.empty()) {
        // Built on a platform class: its extra bytes first, our slot after them.
        if (!GetClassInfoExW(nullptr, baseClass.c_str(), &wc))
            throw Exception("Cannot create window class");
        wc.cbSize = sizeof(wc);
        base = wc.lpfnWndProc;
        wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
        wc.cbWndExtra += static_cast<int>(sizeof(LONG_PTR));
    } else {
        wc.style = classStyle;
        wc.cbWndExtra = static_cast<int>(sizeof(LONG_PTR));
        wc.hCursor = nullptr;  // WM_SETCURSOR picks the control's cursor
        wc.hbrBackground = nullptr;
    }
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className.c_str();
    wc.lpszMenuName = nullptr;
    wc.hIconSm = nullptr;
    if (!RegisterClassExW(&wc))
        throw Exception("Cannot create window class");
    classes[className] = base;
    return base;
}

}  // namespace

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl()
{
    // The windows go first, while the children are still listed: DestroyHandle marks
    // every child window so that none of them runs its handlers on the way out.
    DestroyHandle();
    for (Control* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

WinControl* WinControl::FromHandle(HWND window)
{
    if (!window || !IsWindow(window))
        return nullptr;
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (RegisteredClasses().count(name) == 0)
        return nullptr;
    return reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, SlotOffset(window)));
}

void WinControl::SetParent(WinControl* parent)
{
    if (parent == Parent())
        return;
    if (handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) {
        if (parent && parent->handle_)
            ::SetParent(handle_, parent->handle_);
        else
            DestroyHandle();
    }
    Control::SetParent(parent);
}

HWND WinControl::Handle()
{
    if (!handle_)
        CreateHandle();
    return handle_;
}

void WinControl::FillCreateParams(CreateParams& params) { (void)params; }

void WinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateParams p;
    p.className = L"Fw" + Widen(ClassName());
    p.x = left_;
    p.y = top_;
    p.width = width_;
    p.height = height_;
    p.caption = Widen(Caption());
    if (parent_)
        p.parent = parent_->Handle();
    if (Visible())
        p.style |= WS_VISIBLE;
    if (!Enabled())
        p.style |= WS_DISABLED;
    if (tabStop_)
        p.style |= WS_TABSTOP;
    FillCreateParams(p);
    if ((p.style & WS_CHILD) && !p.parent)
        throw Exception("Control '" + Name() + "' has no parent window");

    baseProc_ = RegisterOnce(p.className, p.baseClass, p.classStyle, StaticWndProc);
    ownClass_ = p.baseClass.empty();

    WinControl* outer = g_creating;
    g_creating = this;
    HWND created = CreateWindowExW(
        p.exStyle, p.className.c_str(), p.caption.c_str(), p.style, p.x, p.y, p.width, p.height, p.parent,
        (p.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextChildId())) : nullptr,
        GetModuleHandleW(nullptr), this);
    g_creating = outer;
    if (!created || !handle_)
        throw Exception("Error creating window");
    ApplyPlatformFont();
    HandleCreated();
    CreateChildHandles();
}

void WinControl::HandleCreated() {}

void WinControl::CreateChildHandles()
{
    for (Control* c : std::vector<Control*>(controls_))
        if (c->IsWindowed())
            static_cast<WinControl*>(c)->CreateHandle();
    ArrangeTabOrder();
}

void WinControl::ArrangeTabOrder()
{
    // The dialog manager walks children in z-order; keep it equal to the Tab order.
    HWND after = HWND_TOP;
    for (WinControl* c : tabList_) {
        if (!c->handle_)
            continue;
        SetWindowPos(c->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        after = c->handle_;
    }
}

void WinControl::DestroyHandle()
{
    if (!handle_)
        return;
    // Nothing reacts while the windows go: handlers may belong to objects half destroyed.
    std::vector<WinControl*> stack{this};
    while (!stack.empty()) {
        WinControl* w = stack.back();
        stack.pop_back();
        w->destroyingHandle_ = true;
        for (Control* c : w->controls_)
            if (c->IsWindowed())
                stack.push_back(static_cast<WinControl*>(c));
    }
    DestroyWindow(handle_);
    handle_ = nullptr;
}

LRESULT WinControl::CallBase(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC base = DefWindowProcW;
    if (g_creating) {
        base = g_creating->baseProc_;
    } else {
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        auto it = RegisteredClasses().find(name);
        if (it != RegisteredClasses().end())
            base = it->second;
    }
    return CallWindowProcW(base, window, message, wParam, lParam);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int slot = SlotOffset(window);
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, slot));
    if (!self && message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<WinControl*>(cs->lpCreateParams);
        if (self) {
            SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(self));
            self->handle_ = window;
        }
    }
    if (!self)
        return CallBase(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        if (self->destroyingHandle_)
            result = self->DefaultHandler(message, wParam, lParam);
        else
            result = self->WndProc(message, wParam, lParam);
    } catch (...) {
        // No failure may unwind through the platform's frames.
        Application::Instance().HandleCurrentException();
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, slot, 0);
        self->handle_ = nullptr;
        self->destroyingHandle_ = false;
        self->buffer_.reset();
        self->captureControl_ = nullptr;
        self->hoverControl_ = nullptr;
        self->trackingLeave_ = false;
        self->caretCreated_ = false;
    }
    return result;
}

LRESULT WinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!handle_)
        return 0;
    return CallWindowProcW(baseProc_ ? baseProc_ : DefWindowProcW, handle_, message, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (SelfPainted()) {
            PaintMessage();
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (SelfPainted()) {
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (SelfPainted())
            return 1;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
        return HandleMouse(message, wParam, lParam);
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(handle_, &p);
            Control* c = captureControl_ ? captureControl_ : GraphicControlAt(p.x, p.y);
            int id = c ? c->cursor_ : crDefault;
            if (id == crDefault)
                id = cursor_;
            if (id != crDefault) {
                ::SetCursor(ScreenCursor(id));
                return TRUE;
            }
            if (ownClass_) {
                ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(wParam);
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
            KeyDown(key, KeyboardShift());
        else
            KeyUp(key, KeyboardShift());
        if (!key || !handle_)
            return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_CHAR: {
        std::string narrow = Narrow(std::wstring(1, static_cast<wchar_t>(wParam)));
        char key = narrow.empty() ? '?' : narrow[0];
        KeyPress(key);
        if (!key || !handle_)
            return 0;
        std::wstring wide = Widen(std::string(1, key));
        return DefaultHandler(message, wide.empty() ? wParam : static_cast<WPARAM>(wide[0]), lParam);
    }
    case WM_SETFOCUS: {
        LRESULT r = DefaultHandler(message, wParam, lParam);
        if (parent_)
            parent_->ChildFocused(this);
        DoEnter();
        return r;
    }
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_GETDLGCODE:
        return DlgCode(DefaultHandler(message, wParam, lParam), reinterpret_cast<const MSG*>(lParam));
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == handle_) {
            POINT where = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            Control* target = this;
            if (where.x != -1 || where.y != -1) {
                where = ScreenToClient(where);
                if (Control* g = GraphicControlAt(where.x, where.y)) {
                    target = g;
                    where.x -= g->left_;
                    where.y -= g->top_;
                }
            }
            bool handled = false;
            target->ContextPopup(where, handled);
            if (handled)
                return 0;
        }
        break;
    case WM_COMMAND:
        if (lParam) {
            WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
            LRESULT r = 0;
            if (child && child != this && child->CommandNotify(HIWORD(wParam), r))
                return r;
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        WinControl* child = header ? FromHandle(header->hwndFrom) : nullptr;
        LRESULT r = 0;
        if (child && child != this && child->Notify(header, r))
            return r;
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR: {
        WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child && child != this)
            if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam), message))
                return reinterpret_cast<LRESULT>(brush);
        break;
    }
    case WM_VSCROLL:
        if (!lParam) {
            VScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return 0;
        }
        break;
    case WM_MOVE:
    case WM_SIZE: {
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
        break;
    }
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT WinControl::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSELEAVE) {
        trackingLeave_ = false;
        if (Control* c = hoverControl_) {
            hoverControl_ = nullptr;
            c->mouseInside_ = false;
            c->MouseLeave();
        }
        if (mouseInside_) {
            mouseInside_ = false;
            MouseLeave();
        }
        return DefaultHandler(message, wParam, lParam);
    }
    if (message == WM_CAPTURECHANGED) {
        if (reinterpret_cast<HWND>(lParam) != handle_) {
            if (captureControl_)
                captureControl_->leftPressed_ = false;
            captureControl_ = nullptr;
            selfCapture_ = false;
            leftPressed_ = false;
        }
        return DefaultHandler(message, wParam, lParam);
    }

    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const ShiftState shift = MouseShift(wParam);
    MouseButton button = MouseButton::Left;
    bool down = false, up = false, dbl = false;
    switch (message) {
    case WM_LBUTTONDBLCLK: dbl = true; [[fallthrough]];
    case WM_LBUTTONDOWN: down = true; break;
    case WM_RBUTTONDBLCLK: dbl = true; [[fallthrough]];
    case WM_RBUTTONDOWN: down = true; button = MouseButton::Right; break;
    case WM_MBUTTONDBLCLK: dbl = true; [[fallthrough]];
    case WM_MBUTTONDOWN: down = true; button = MouseButton::Middle; break;
    case WM_LBUTTONUP: up = true; break;
    case WM_RBUTTONUP: up = true; button = MouseButton::Right; break;
    case WM_MBUTTONUP: up = true; button = MouseButton::Middle; break;
    default: break;
    }
    const bool anyButton = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;

    if (message == WM_MOUSEMOVE) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, handle_, 0};
            trackingLeave_ = TrackMouseEvent(&track) != 0;
        }
        if (!mouseInside_) {
            mouseInside_ = true;
            MouseEnter();
        }
        Control* hover = captureControl_ ? captureControl_ : GraphicControlAt(x, y);
        if (hover && !hover->Enabled())
            hover = nullptr;
        if (hover != hoverControl_) {
            if (Control* old = hoverControl_) {
                hoverControl_ = nullptr;
                old->mouseInside_ = false;
                old->MouseLeave();
            }
            if (hover) {
                hoverControl_ = hover;
                hover->mouseInside_ = true;
                hover->MouseEnter();
            }
        }
    }

    Control* target = captureControl_ ? captureControl_ : GraphicControlAt(x, y);
    if (target && target != this) {
        if (!target->Enabled())
            return 0;  // a disabled graphic control swallows the mouse
        const int cx = x - target->left_, cy = y - target->top_;
        if (down) {
            captureControl_ = target;
            SetCapture(handle_);
            if (button == MouseButton::Left)
                target->leftPressed_ = true;
            if (dbl)
                target->DblClick();
            target->MouseDown(button, shift | (dbl ? ShiftState{ssDouble} : ShiftState{0}), cx, cy);
        } else if (up) {
            POINT pt = {x, y};
            RECT bounds = target->BoundsRect();
            const bool click = button == MouseButton::Left && target->leftPressed_ && target->clickOnRelease_ &&
                               PtInRect(&bounds, pt);
            if (button == MouseButton::Left)
                target->leftPressed_ = false;
            if (captureControl_ == target && !anyButton) {
                captureControl_ = nullptr;
                ReleaseCapture();
            }
            target->MouseUp(button, shift, cx, cy);
            if (click)
                target->Click();
        } else {
            target->MouseMove(shift, cx, cy);
        }
        return 0;
    }

    if (down) {
        if (SelfPainted() && !GetCapture()) {
            SetCapture(handle_);
            selfCapture_ = true;
        }
        if (button == MouseButton::Left)
            leftPressed_ = true;
        if (dbl)
            DblClick();
        MouseDown(button, shift | (dbl ? ShiftState{ssDouble} : ShiftState{0}), x, y);
    } else if (up) {
        RECT client = ClientRect();
        POINT pt = {x, y};
        const bool click = button == MouseButton::Left && leftPressed_ && clickOnRelease_ && PtInRect(&client, pt);
        if (button == MouseButton::Left)
            leftPressed_ = false;
        if (selfCapture_ && !anyButton) {
            selfCapture_ = false;
            if (GetCapture() == handle_)
                ReleaseCapture();
        }
        MouseUp(button, shift, x, y);
        if (click)
            Click();
    } else {
        MouseMove(shift, x, y);
    }
    if (!handle_)
        return 0;
    return DefaultHandler(message, wParam, lParam);
}

void WinControl::PaintMessage()
{
    PaintScope paint(handle_);
    RECT client;
    GetClientRect(handle_, &client);
    if (client.right <= 0 || client.bottom <= 0 || !paint.dc)
        return;
    if (!buffer_ || buffer_->Width() != client.right || buffer_->Height() != client.bottom)
        buffer_ = std::make_unique<DibSection>(client.right, client.bottom);
    const RECT dirty = paint.ps.rcPaint;
    {
        SavedDC saved(buffer_->DC());
        IntersectClipRect(buffer_->DC(), dirty.left, dirty.top, dirty.right, dirty.bottom);
        PaintTo(buffer_->DC());
    }
    BitBlt(paint.dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer_->DC(),
           dirty.left, dirty.top, SRCCOPY);
}

void WinControl::PaintTo(HDC dc)
{
    {
        Canvas canvas(dc);
        canvas.SetFont(GetFont());
        canvas.SetBrushColor(GetColor());
        Paint(canvas);
    }
    for (Control* c : controls_) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, c->left_, c->top_, nullptr);
        IntersectClipRect(dc, 0, 0, c->width_, c->height_);
        Canvas canvas(dc);
        canvas.SetFont(c->GetFont());
        canvas.SetBrushColor(c->GetColor());
        c->Paint(canvas);
    }
}

void WinControl::PaintParentBackground(HDC dc)
{
    if (!parent_ || !parent_->handle_)
        return;
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, -left_, -top_, nullptr);
    SendMessageW(parent_->handle_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

Control* WinControl::GraphicControlAt(int x, int y) const
{
    POINT pt = {x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        RECT r = c->BoundsRect();
        if (!c->IsWindowed() && c->Visible() && PtInRect(&r, pt))
            return c;
    }
    return nullptr;
}

void WinControl::AddChild(Control* child)
{
    controls_.push_back(child);
    if (child->IsWindowed()) {
        tabList_.push_back(static_cast<WinControl*>(child));
        if (handle_ && !child->IsLoading()) {
            static_cast<WinControl*>(child)->CreateHandle();
            ArrangeTabOrder();
        }
    }
}

void WinControl::RemoveChild(Control* child)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), child), tabList_.end());
    if (captureControl_ == child) {
        captureControl_ = nullptr;
        if (handle_ && GetCapture() == handle_)
            ReleaseCapture();
    }
    if (hoverControl_ == child)
        hoverControl_ = nullptr;
}

int WinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void WinControl::SetTabOrder(int order)
{
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
    parent_->ArrangeTabOrder();
}

void WinControl::SetTabStop(bool tabStop)
{
    tabStop_ = tabStop;
    if (handle_) {
        LONG style = GetWindowLongW(handle_, GWL_STYLE);
        style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        SetWindowLongW(handle_, GWL_STYLE, style);
    }
}

bool WinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool WinControl::CanFocus() const
{
    for (const WinControl* c = this; c; c = c->parent_)
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void WinControl::SetFocus() { ::SetFocus(Handle()); }

void WinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    if (handle_)
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    BoundsChanged();
}

void WinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
}

POINT WinControl::ClientToScreen(POINT p) const
{
    if (handle_) {
        ::ClientToScreen(handle_, &p);
        return p;
    }
    return Control::ClientToScreen(p);
}

POINT WinControl::ScreenToClient(POINT p) const
{
    if (handle_) {
        ::ScreenToClient(handle_, &p);
        return p;
    }
    return Control::ScreenToClient(p);
}

void WinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

LRESULT WinControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(Handle(), message, wParam, lParam);
}

void WinControl::CreateCaret(int width, int height)
{
    if (!handle_)
        return;
    caretCreated_ = ::CreateCaret(handle_, nullptr, width, height) != 0;
}

void WinControl::DestroyCaret()
{
    if (caretCreated_) {
        ::DestroyCaret();
        caretCreated_ = false;
    }
}

void WinControl::SetCaretPos(int x, int y)
{
    if (caretCreated_)
        ::SetCaretPos(x, y);
}

void WinControl::ShowCaret()
{
    if (caretCreated_)
        ::ShowCaret(handle_);
}

void WinControl::HideCaret()
{
    if (caretCreated_)
        ::HideCaret(handle_);
}

void WinControl::SetMouseCapture(bool capture)
{
    if (capture)
        SetCapture(Handle());
    else if (handle_ && GetCapture() == handle_)
        ReleaseCapture();
}

bool WinControl::MouseCapture() const { return handle_ && GetCapture() == handle_; }

ShiftState WinControl::KeyboardShift()
{
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

void WinControl::KeyDown(WORD& key, ShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(key, shift);
}

void WinControl::KeyUp(WORD& key, ShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(key, shift);
}

void WinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(key);
}

void WinControl::DoEnter()
{
    if (OnEnter)
        OnEnter();
}

void WinControl::DoExit()
{
    if (OnExit)
        OnExit();
}

void WinControl::ChildFocused(WinControl* child)
{
    if (parent_)
        parent_->ChildFocused(child);
}

void WinControl::EnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, Enabled() ? TRUE : FALSE);
    Invalidate();
}

void WinControl::VisibleChanged()
{
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void WinControl::TextChanged()
{
    if (handle_)
        SetWindowTextW(handle_, Widen(Caption()).c_str());
    Invalidate();
}

void WinControl::FontChanged()
{
    ApplyPlatformFont();
    for (Control* c : controls_)
        c->AdoptParentFont();
    Invalidate();
}

void WinControl::ApplyPlatformFont()
{
    if (handle_ && !ownClass_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().Handle()), TRUE);
}

void WinControl::Loaded()
{
    if (parent_ && parent_->handle_ && !handle_)
        CreateHandle();
    Control::Loaded();
}

std::string WinControl::WindowText() const
{
    if (!handle_)
        return Caption();
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return Narrow(text);
}

}  // namespace fw
