#include "widgets/fill/LMDBaseLabel.h"

#include "framework/Accelerator.h"
#include "framework/WinControl.h"

TLMDBaseLabel::TLMDBaseLabel(fw::Component* owner) : TLMDBaseGraphicControl(owner)
{
    SetBounds(0, 0, 30, 30);
    SetTransparent(true);
    // The colour shown when opaque, until a parent's colour is taken.
    SetColor(fw::clWindow);
    SetParentColor(true);
}

void TLMDBaseLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TLMDBaseLabel::SetFocusControl(fw::WinControl* control)
{
    focusControl_ = control;
    FreeNotification(control);
}

void TLMDBaseLabel::Changed()
{
    AdjustBounds();
    Redraw();
}

bool TLMDBaseLabel::DialogChar(char key)
{
    if (!showAccelChar_ || !focusControl_ || !Enabled() || !fw::IsAccel(key, Caption()))
        return false;
    // Taken even when the control cannot have the focus now: the key was meant for it.
    if (focusControl_->CanFocus())
        focusControl_->SetFocus();
    return true;
}

void TLMDBaseLabel::Notification(fw::Component* component)
{
    TLMDBaseGraphicControl::Notification(component);
    if (component == focusControl_)
        focusControl_ = nullptr;
}
