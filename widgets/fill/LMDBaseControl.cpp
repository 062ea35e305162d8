#include "widgets/fill/LMDBaseControl.h"

#include "framework/WinControl.h"

void TLMDControl::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Redraw();
}

void TLMDControl::Redraw()
{
    if (IsUpdating() || !Parent() || !Parent()->HandleAllocated())
        return;
    Invalidate();
    if (!Transparent())
        Parent()->Update();
}

void TLMDBaseControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    if (Visible())
        Redraw();
}

void TLMDBaseControl::SetParentColor(bool value)
{
    parentColor_ = value;
    AdoptParentColor();
}

void TLMDBaseControl::SetParent(fw::WinControl* parent)
{
    TLMDControl::SetParent(parent);
    AdoptParentColor();
}

void TLMDBaseControl::AdoptParentColor()
{
    if (!parentColor_ || !Parent())
        return;
    adoptingColor_ = true;
    SetColor(Parent()->GetColor());
    adoptingColor_ = false;
}

void TLMDBaseControl::ColorChanged()
{
    if (!adoptingColor_)
        parentColor_ = false;
    Redraw();
}
