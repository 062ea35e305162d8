#include "framework/Form.h"

#include <memory>

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/ProgramIcons.h"

namespace fw {

Form::Form(Component* owner) : WinControl(owner)
{
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
}

Form::~Form()
{
    // Teardown step 1 (Component.h).
    Application::Instance().RemoveForm(this);
    DestroyHandle();
    if (iconsOwned_) {
        if (iconBig_)
            DestroyIcon(iconBig_);
        if (iconSmall_ && iconSmall_ != iconBig_)
            DestroyIcon(iconSmall_);
    }
}

void Form::StyleFor(DWORD& style, DWORD& exStyle) const
{
    style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    exStyle = 0;
    switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        style |= WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
        style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow) {
            if (borderIcons_ & biMinimize)
                style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize)
                style |= WS_MAXIMIZEBOX;
        }
    }
}

SIZE Form::OuterSize() const
{
    DWORD style, exStyle;
    StyleFor(style, exStyle);
    RECT r = {0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{clientWidth_ < 0 ? width_ : r.right - r.left, clientHeight_ < 0 ? height_ : r.bottom - r.top};
}

void Form::ApplyClientSize()
{
    SIZE outer = OuterSize();
    SetBounds(left_, top_, outer.cx, outer.cy);
    if (HandleAllocated()) {
        // The platform may wrap a caption bar differently; correct by what it reports.
        RECT client;
        GetClientRect(Handle(), &client);
        const int dw = (clientWidth_ < 0 ? 0 : clientWidth_ - client.right);
        const int dh = (clientHeight_ < 0 ? 0 : clientHeight_ - client.bottom);
        if (dw || dh)
            SetBounds(left_, top_, width_ + dw, height_ + dh);
    }
}

int Form::ClientWidth() const
{
    RECT r = ClientRect();
    return r.right;
}

int Form::ClientHeight() const
{
    RECT r = ClientRect();
    return r.bottom;
}

RECT Form::ClientRect() const
{
    RECT r = {0, 0, clientWidth_, clientHeight_};
    if (HandleAllocated())
        GetClientRect(const_cast<Form*>(this)->Handle(), &r);
    return r;
}

void Form::SetClientWidth(int width)
{
    if (clientHeight_ < 0)
        clientHeight_ = height_ - FrameSize().cy;
    clientWidth_ = width;
    ApplyClientSize();
}

void Form::SetClientHeight(int height)
{
    if (clientWidth_ < 0)
        clientWidth_ = width_ - FrameSize().cx;
    clientHeight_ = height;
    ApplyClientSize();
}

SIZE Form::FrameSize() const
{
    DWORD style, exStyle;
    StyleFor(style, exStyle);
    RECT r = {0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Form::SetBorderStyle(FormBorderStyle style)
{
    borderStyle_ = style;
    if (HandleAllocated()) {
        DWORD s, ex;
        StyleFor(s, ex);
        SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(s | (Visible() ? WS_VISIBLE : 0)));
        SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(ex));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (clientWidth_ >= 0)
        ApplyClientSize();
}

void Form::SetBorderIcons(unsigned icons)
{
    borderIcons_ = icons;
    SetBorderStyle(borderStyle_);
}

void Form::SetIcon(HICON big, HICON small, bool owned)
{
    if (iconsOwned_) {
        if (iconBig_ && iconBig_ != big)
            DestroyIcon(iconBig_);
        if (iconSmall_ && iconSmall_ != small && iconSmall_ != iconBig_)
            DestroyIcon(iconSmall_);
    }
    iconBig_ = big;
    iconSmall_ = small;
    iconsOwned_ = owned;
    programIcons_ = false;
    if (HandleAllocated())
        SendIcons();
}

void Form::SendIcons()
{
    if (!iconBig_ && !iconSmall_)
        return;
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconBig_));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconSmall_));
}

bool Form::ClassHasIcons()
{
    return reinterpret_cast<HICON>(GetClassLongPtrW(Handle(), GCLP_HICON)) == iconBig_ &&
           reinterpret_cast<HICON>(GetClassLongPtrW(Handle(), GCLP_HICONSM)) == iconSmall_;
}

void Form::LoadIcon(const wchar_t* name)
{
    SetIcon(ProgramIcon(name, GetSystemMetrics(SM_CXICON)), ProgramIcon(name, GetSystemMetrics(SM_CXSMICON)), false);
    programIcons_ = true;
}

void Form::FillCreateParams(CreateParams& params)
{
    StyleFor(params.style, params.exStyle);
    SIZE outer = OuterSize();
    params.width = outer.cx;
    params.height = outer.cy;
    // Made where showing puts it, so that showing moves nothing.
    if (position_ == poScreenCenter && !Visible()) {
        CentreOnScreen();
        params.x = left_;
        params.y = top_;
    }
    if (programIcons_) {
        params.classIcon = iconBig_;
        params.classSmallIcon = iconSmall_;
    }
    params.parent = nullptr;
    // Secondary forms stay above the main form and share its task-bar button.
    Form* main = Application::Instance().MainForm();
    if (main && main != this && main->HandleAllocated())
        params.parent = main->Handle();
}

void Form::HandleCreated()
{
    if (!ClassHasIcons())
        SendIcons();
    if (clientWidth_ >= 0)
        ApplyClientSize();
}

void Form::Paint(Canvas& canvas)
{
    RECT r = ClientRect();
    canvas.FillRect(r, GetColor());
}

void Form::Loaded()
{
    WinControl::Loaded();
    AfterConstruction();
}

void Form::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    // A hidden form without a creation handler gets its window when first needed.
    if (!OnCreate)
        return;
    HandleNeeded();
    OnCreate();
}

void Form::Show()
{
    HandleNeeded();
    if (Visible()) {
        SetForegroundWindow(Handle());
        return;
    }
    if (position_ == poScreenCenter)
        CentreOnScreen();
    if (OnShow)
        OnShow();
    SetVisible(true);
}

void Form::CentreOnScreen()
{
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    SetBounds(x < 0 ? 0 : x, y < 0 ? 0 : y, width_, height_);
}

void Form::Hide()
{
    if (!Visible())
        return;
    SetVisible(false);
    if (OnHide)
        OnHide();
    // Wake a modal loop waiting for a message.
    if (HandleAllocated())
        PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Form::VisibleChanged()
{
    if (!HandleAllocated())
        return;
    ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
    if (Visible())
        SetForegroundWindow(Handle());
}

void Form::SetModalResult(int result)
{
    modalResult_ = result;
    if (modal_ && HandleAllocated())
        PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Form::Close()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose)
        return;
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    CloseAction action = caHide;
    if (OnClose)
        OnClose(action);
    if (action == caNone)
        return;
    if (action == caMinimize) {
        ShowWindow(Handle(), SW_MINIMIZE);
        return;
    }
    Hide();
    if (Application::Instance().MainForm() == this)
        Application::Instance().Terminate();
}

int Form::ShowModal()
{
    if (Visible() || modal_)
        throw Exception("Cannot make a visible window modal");
    if (GetCapture())
        ReleaseCapture();
    HWND previous = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    Application& app = Application::Instance();
    {
        auto disabled = std::make_unique<TaskWindowsDisabler>();
        try {
            Show();
            while (modalResult_ == mrNone && HandleAllocated() && IsWindowVisible(Handle())) {
                if (!app.HandleMessage()) {
                    modalResult_ = mrCancel;
                    break;
                }
            }
        } catch (...) {
            modal_ = false;
            throw;
        }
        // Enable the others before hiding, so the activation goes back to them.
        disabled.reset();
        Hide();
    }
    modal_ = false;
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

WinControl* Form::ActiveControl() const
{
    return activeControl_ && IsWindow(activeControl_) ? FromHandle(activeControl_) : nullptr;
}

void Form::ChildFocused(WinControl* child) { activeControl_ = child->Handle(); }

void Form::RestoreFocus()
{
    // The control that had the focus, or its nearest parent that can take it now: an
    // in-place editor closes when the focus leaves, and its grid takes the focus back.
    for (WinControl* c = ActiveControl(); c && c != this; c = c->Parent()) {
        if (c->CanFocus() && IsChild(Handle(), c->Handle())) {
            c->SetFocus();
            return;
        }
    }
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (first && IsChild(Handle(), first) && IsWindowEnabled(first) && IsWindowVisible(first) &&
        (GetWindowLongW(first, GWL_STYLE) & WS_TABSTOP))
        ::SetFocus(first);
    else
        ::SetFocus(Handle());
}

LRESULT Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        // Straight to the control: the platform's handling would focus the form first.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_COMMAND:
        // The dialog manager's Enter and Escape (IDOK, IDCANCEL) mean nothing here.
        if (!lParam && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
            return 0;
        break;
    case WM_SIZE: {
        LRESULT r = WinControl::WndProc(message, wParam, lParam);
        if (wParam != SIZE_MINIMIZED) {
            RECT client;
            GetClientRect(Handle(), &client);
            clientWidth_ = client.right;
            clientHeight_ = client.bottom;
        }
        return r;
    }
    default:
        break;
    }
    return WinControl::WndProc(message, wParam, lParam);
}

}  // namespace fw
