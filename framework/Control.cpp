#include "framework/Control.h"

#include "framework/PopupMenu.h"
#include "framework/WinControl.h"

namespace fw {

Control::Control(Component* owner) : Component(owner)
{
    font_.OnChange = [this] {
        if (!adoptingFont_)
            parentFont_ = false;
        FontChanged();
    };
}

Control::~Control()
{
    font_.OnChange = nullptr;
    if (parent_)  // teardown step 4 (Component.h)
        parent_->RemoveChild(this);
}

void Control::SetParent(WinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_) {
        Invalidate();
        parent_->RemoveChild(this);
    }
    parent_ = nullptr;
    if (parent) {
        // The parent must be known before AddChild makes our window inside it.
        parent_ = parent;
        AdoptParentFont();
        parent->AddChild(this);
        Invalidate();
    }
}

bool Control::ShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void Control::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    parentShowHint_ = false;
}

void Control::SetPopupMenu(PopupMenu* menu)
{
    popupMenu_ = menu;
    FreeNotification(menu);
}

void Control::Notification(Component* component)
{
    if (component == popupMenu_)
        popupMenu_ = nullptr;
}

void Control::AdoptParentFont()
{
    if (!parentFont_ || !parent_)
        return;
    adoptingFont_ = true;
    font_ = parent_->GetFont();
    adoptingFont_ = false;
}

void Control::SetParentFont(bool parentFont)
{
    parentFont_ = parentFont;
    AdoptParentFont();
}

void Control::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    Invalidate();
    BoundsChanged();
}

void Control::SetEnabled(bool enabled)
{
    if (enabled != enabled_) {
        enabled_ = enabled;
        EnabledChanged();
    }
}

void Control::SetVisible(bool visible)
{
    if (visible != visible_) {
        visible_ = visible;
        VisibleChanged();
    }
}

void Control::VisibleChanged()
{
    // A hidden graphic control leaves a hole to repaint in its parent.
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

void Control::SetCaption(const std::string& caption)
{
    if (caption != caption_) {
        caption_ = caption;
        TextChanged();
    }
}

void Control::SetColor(Color color)
{
    if (color != color_) {
        color_ = color;
        ColorChanged();
    }
}

void Control::Invalidate()
{
    if (visible_ && parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

POINT Control::ClientToScreen(POINT p) const
{
    if (parent_) {
        POINT q = {p.x + left_, p.y + top_};
        return parent_->ClientToScreen(q);
    }
    return p;
}

POINT Control::ScreenToClient(POINT p) const
{
    if (parent_) {
        POINT q = parent_->ScreenToClient(p);
        return POINT{q.x - left_, q.y - top_};
    }
    return p;
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void Control::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter();
}

void Control::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave();
}

void Control::Click()
{
    if (OnClick)
        OnClick();
}

void Control::DblClick()
{
    if (OnDblClick)
        OnDblClick();
}

void Control::ContextPopup(POINT where, bool& handled)
{
    if (OnContextPopup)
        OnContextPopup(where, handled);
    if (handled || !popupMenu_)
        return;
    handled = true;
    ShowMenuAt(*popupMenu_, where);
}

void Control::ShowMenuAt(PopupMenu& menu, POINT where)
{
    if (where.x == -1 && where.y == -1)
        where = POINT{0, 0};
    POINT screen = ClientToScreen(where);
    menu.Popup(screen.x, screen.y);
}

}  // namespace fw
