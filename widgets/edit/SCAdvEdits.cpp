#include "widgets/edit/SCAdvEdits.h"

TSCButtonEdit::TSCButtonEdit(fw::Component* owner) : WinControl(owner)
{
    SetColor(fw::clWindow);
    SetTabStop(false);
}

void TSCButtonEdit::SetText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    Invalidate();
    if (!IsLoading() && OnChange)
        OnChange();
}

RECT TSCButtonEdit::ButtonRect() const
{
    const int border = 2;
    int size = Height() - 2 * border;
    return RECT{Width() - border - size, border, Width() - border, Height() - border};
}

void TSCButtonEdit::Paint(fw::Canvas& canvas)
{
    RECT all = ClientRect();
    canvas.FillRect(all, GetColor());
    canvas.DrawEdge(all, true);

    RECT button = ButtonRect();
    RECT textArea{4, 2, button.left - 2, Height() - 2};
    canvas.SetFont(GetFont());
    canvas.SetTextColor(Enabled() ? GetFont().GetColor() : fw::clGrayText);
    canvas.DrawText(textArea, text_, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);

    canvas.FillRect(button, fw::clBtnFace);
    canvas.DrawEdge(button, buttonDown_);
    RECT dots = button;
    if (buttonDown_)
        OffsetRect(&dots, 1, 1);
    canvas.SetTextColor(fw::clBtnText);
    canvas.DrawText(dots, "...", DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

void TSCButtonEdit::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    WinControl::MouseDown(button, shift, x, y);
    RECT r = ButtonRect();
    POINT p{x, y};
    if (button != fw::MouseButton::Left || !Enabled() || !PtInRect(&r, p))
        return;
    buttonDown_ = true;
    Invalidate();
    // The handler may run a modal dialog that swallows the release.
    struct Release {
        TSCButtonEdit* self;
        ~Release()
        {
            self->buttonDown_ = false;
            self->Invalidate();
        }
    } release{this};
    if (OnButtonClick)
        OnButtonClick();
}

