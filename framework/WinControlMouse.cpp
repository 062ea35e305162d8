// Mouse routing of WinControl: each message is decoded once and delivered to the control
// it is for (the capturing one, the windowless child under the pointer, or the window
// itself); one routine keeps the enter and leave state of the window and its children.
#include <utility>

#include "framework/Cursors.h"
#include "framework/MouseEvent.h"
#include "framework/WinControl.h"

namespace fw {

LRESULT WinControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    MouseEvent event;
    if (!MouseEvent::Decode(message, wParam, lParam, event))
        return DefaultHandler(message, wParam, lParam);
    if (hintTip_)
        hintTip_->Relay(message, wParam, lParam);
    if (event.kind == MouseEvent::Move)
        TrackHover(event.at);
    Control* target = MouseTarget(event.at);
    if (target != this) {
        // A disabled windowless child swallows the mouse.
        if (target->Enabled())
            DeliverMouse(*target, event.At(POINT{target->left_, target->top_}));
        // The platform turns a right release into the context-menu request, which
        // RouteContextMenu hands to the child.
        if (message == WM_RBUTTONUP && handle_)
            return DefaultHandler(message, wParam, lParam);
        return 0;
    }
    DeliverMouse(*this, event);
    return handle_ ? DefaultHandler(message, wParam, lParam) : 0;
}

Control* WinControl::MouseTarget(POINT at)
{
    if (captureControl_)
        return captureControl_;
    if (Control* child = GraphicControlAt(at.x, at.y))
        return child;
    return this;
}

void WinControl::DeliverMouse(Control& target, const MouseEvent& event)
{
    const int x = event.at.x, y = event.at.y;
    switch (event.kind) {
    case MouseEvent::Down:
        BeginMouseCapture(target);
        if (event.button == MouseButton::Left)
            target.leftPressed_ = true;
        if (event.shift & ssDouble)
            target.DblClick();
        target.MouseDown(event.button, event.shift, x, y);
        break;
    case MouseEvent::Up: {
        // A click is a left press and release on the same control, released inside it.
        const RECT inside = target.ClientRect();
        const bool click = event.button == MouseButton::Left && target.leftPressed_ && target.clickOnRelease_ &&
                           PtInRect(&inside, event.at);
        if (event.button == MouseButton::Left)
            target.leftPressed_ = false;
        if (!event.buttonsHeld)
            EndMouseCapture(target);
        target.MouseUp(event.button, event.shift, x, y);
        if (click)
            target.Click();
        break;
    }
    case MouseEvent::Move:
        target.MouseMove(event.shift, x, y);
        break;
    }
}

void WinControl::BeginMouseCapture(Control& target)
{
    // A windowless child gets the mouse through our capture. The window itself captures
    // only when it paints itself (a platform control does its own) and nobody else has.
    if (&target == this && (!SelfPainted() || GetCapture()))
        return;
    captureControl_ = &target;
    SetCapture(handle_);
}

void WinControl::EndMouseCapture(Control& target)
{
    if (captureControl_ != &target)
        return;
    captureControl_ = nullptr;
    if (GetCapture() == handle_)
        ReleaseCapture();
}

LRESULT WinControl::CaptureChangedMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Lost to another window (a menu, a dialog): no press is pending any more.
    if (reinterpret_cast<HWND>(lParam) != handle_) {
        if (captureControl_)
            captureControl_->leftPressed_ = false;
        captureControl_ = nullptr;
        leftPressed_ = false;
    }
    return DefaultHandler(message, wParam, lParam);
}

void WinControl::TrackHover(POINT at)
{
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, handle_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != 0;
    }
    SetMouseInside(*this, true);
    Control* child = MouseTarget(at);
    SetHoverChild(child != this && child->Enabled() ? child : nullptr);
    TrackHint(hoverControl_ ? hoverControl_ : this);
}

LRESULT WinControl::MouseLeaveMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    trackingLeave_ = false;
    SetHoverChild(nullptr);
    TrackHint(nullptr);
    SetMouseInside(*this, false);
    return DefaultHandler(message, wParam, lParam);
}

void WinControl::SetHoverChild(Control* child)
{
    if (child == hoverControl_)
        return;
    if (Control* old = std::exchange(hoverControl_, child))
        SetMouseInside(*old, false);
    if (child)
        SetMouseInside(*child, true);
}

void WinControl::SetMouseInside(Control& control, bool inside)
{
    if (control.mouseInside_ == inside)
        return;
    control.mouseInside_ = inside;
    if (inside)
        control.MouseEnter();
    else
        control.MouseLeave();
}

LRESULT WinControl::SetCursorMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT && ChooseCursor())
        return TRUE;
    return DefaultHandler(message, wParam, lParam);
}

bool WinControl::ChooseCursor()
{
    // The cursor of the control under the pointer, else ours; the arrow for our own
    // classes (they register none), the platform's choice for platform controls.
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(handle_, &p);
    int id = MouseTarget(p)->cursor_;
    if (id == crDefault)
        id = cursor_;
    if (id != crDefault) {
        ::SetCursor(ScreenCursor(id));
        return true;
    }
    if (ownClass_) {
        ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return true;
    }
    return false;
}

void WinControl::SetMouseCapture(bool capture)
{
    if (capture) {
        captureControl_ = this;
        SetCapture(Handle());
    } else if (captureControl_ == this) {
        EndMouseCapture(*this);
    } else if (handle_ && GetCapture() == handle_) {
        ReleaseCapture();
    }
}

bool WinControl::MouseCapture() const { return handle_ && GetCapture() == handle_; }

}  // namespace fw
