// The framed edit: margins from the frame style, and the frame.
#include "framework/ColorWin.h"
#include "widgets/edit/SCAdvEdits.h"
#include "widgets/edit/SCCommon.h"

namespace {

fw::Color ScreenNearest(fw::Color rgb)
{
    HDC screen = GetDC(nullptr);
    const COLORREF nearest = screen ? GetNearestColor(screen, rgb) : CLR_INVALID;
    if (screen)
        ReleaseDC(nullptr, screen);
    return nearest == CLR_INVALID ? rgb : nearest;
}

}  // namespace

TSCCustomFrameEdit::TSCCustomFrameEdit(fw::Component* owner)
    : TSCCustomMaskEdit(owner, std::make_unique<TSCFrameEditColors>())
{
}

void TSCCustomFrameEdit::SetStyle(TSCEditStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    UpdateLayout();
}

TSCEditMargins TSCCustomFrameEdit::InnerMargins() const
{
    return scedit::FrameMargins(style_, ButtonSlots());
}

TSCWinXPColors TSCCustomFrameEdit::WinXPColors() const
{
    const fw::Color base = fw::ColorToRGB(Colors().WinXPColor());
    return {base, SCLightenColor(base, nullptr, ScreenNearest), SCDarkenColor(base, nullptr, ScreenNearest)};
}

void TSCCustomFrameEdit::Paint(fw::Canvas& canvas)
{
    TSCCustomMaskEdit::Paint(canvas);
    PaintFrame(canvas);
}

void TSCCustomFrameEdit::PaintFrame(fw::Canvas& canvas)
{
    if (style_ == scesNone)
        return;
    if (style_ != scesWinXP) {
        // The other looks are not this program's: a plain sunken edge stands for them.
        canvas.DrawEdge(ClientRect(), true);
        return;
    }
    const RECT client = ClientRect();
    TSCFills fills;
    scedit::WinXPFrame(fills, {client.left, client.top, client.right, client.bottom}, WinXPColors().Base);
    PaintFills(canvas, fills);
}

void TSCCustomFrameEdit::PaintFills(fw::Canvas& canvas, const TSCFills& fills)
{
    for (const TSCFill& f : fills)
        canvas.FillRect(RECT{f.Rect.Left, f.Rect.Top, f.Rect.Right, f.Rect.Bottom}, f.Color);
}
