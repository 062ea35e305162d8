#include "framework/WinControl.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Exceptions.h"
#include "framework/WindowClass.h"

namespace fw {

namespace {

// The object whose window is being created (for messages that come before WM_NCCREATE).
WinControl* g_creating = nullptr;

int NextChildId()
{
    // Low identifiers are the dialog manager's IDOK and IDCANCEL.
    static int next = 1000;
    return next++;
}

}  // namespace

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl()
{
    // Teardown steps 2 and 3 (Component.h).
    DestroyHandle();
    UnlistChildren();
}

void WinControl::UnlistChildren()
{
    for (Control* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

WinControl* WinControl::FromHandle(HWND window)
{
    // Ours are the windows whose class has our procedure; the object sits in their slot.
    // Another copy of the program has the same procedure address, so the process counts too.
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId() ||
        static_cast<ULONG_PTR>(GetClassLongPtrW(window, GCLP_WNDPROC)) != reinterpret_cast<ULONG_PTR>(&StaticWndProc))
        return nullptr;
    return reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, WindowSlotOffset(window)));
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
    if (parent_) {
        p.parent = parent_->Handle();
        // Making the parent's window makes its children's too: this one may exist now.
        if (handle_)
            return;
    }
    if (Visible())
        p.style |= WS_VISIBLE;
    if (!Enabled())
        p.style |= WS_DISABLED;
    if (tabStop_)
        p.style |= WS_TABSTOP;
    FillCreateParams(p);
    if ((p.style & WS_CHILD) && !p.parent)
        throw Exception("Control '" + Name() + "' has no parent window");

    baseProc_ = RegisterWindowClass(p.className, p.baseClass, p.classStyle, StaticWndProc, p.classIcon,
                                    p.classSmallIcon);
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
    std::vector<WinControl*> made;
    bool allNew = true;
    for (Control* c : std::vector<Control*>(controls_)) {
        if (!c->IsWindowed())
            continue;
        auto* child = static_cast<WinControl*>(c);
        allNew = allNew && !child->handle_;
        child->CreateHandle();
        made.push_back(child);
    }
    // Each new window goes below its elder siblings: made in Tab order, they stand in it already,
    // and moving each would cost a round trip to the window server.
    if (!allNew || made != tabList_)
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

LRESULT CALLBACK WinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int slot = WindowSlotOffset(window);
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, slot));
    if (!self && message == WM_NCCREATE) {
        self = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(self));
            self->handle_ = window;
        }
    }
    if (!self) {
        // Messages before WM_NCCREATE come while CreateHandle runs.
        const WNDPROC base = g_creating ? g_creating->baseProc_ : DefWindowProcW;
        return CallWindowProcW(base, window, message, wParam, lParam);
    }
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
        self->WindowGone();
    }
    return result;
}

void WinControl::WindowGone()
{
    handle_ = nullptr;
    destroyingHandle_ = false;
    buffer_.reset();
    captureControl_ = nullptr;
    hoverControl_ = nullptr;
    trackingLeave_ = false;
    caretCreated_ = false;
    hintTip_.reset();
    hintControl_ = nullptr;
}

LRESULT WinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!handle_)
        return 0;
    return CallWindowProcW(baseProc_ ? baseProc_ : DefWindowProcW, handle_, message, wParam, lParam);
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
    if (hintControl_ == child)
        TrackHint(nullptr);
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
