#include "widgets/edit/SCControl.h"

TSCCustomControl::TSCCustomControl(fw::Component* owner) : WinControl(owner)
{
    borderProps_.OnChange = [this] { BorderChanged(); };
}

void TSCCustomControl::Change()
{
    if (!IsLoading() && OnChange)
        OnChange();
}

void TSCCustomControl::PaintBackground(fw::Canvas& canvas)
{
    canvas.FillRect(ClientRect(), BackgroundColor());
}

void TSCCustomControl::Paint(fw::Canvas& canvas)
{
    PaintBackground(canvas);
}

void TSCCustomControl::MouseEnter()
{
    mouseInControl_ = true;
    WinControl::MouseEnter();
}

void TSCCustomControl::MouseLeave()
{
    mouseInControl_ = false;
    WinControl::MouseLeave();
}
