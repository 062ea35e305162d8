// The fill object's painting, kept apart from its settings because it needs the platform.
#include <windows.h>

#include "framework/Canvas.h"
#include "framework/ColorWin.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDFillObject.h"
#include "widgets/fill/LMDGradientPaint.h"

namespace {

int HatchOf(fw::BrushStyle style)
{
    switch (style) {
    case fw::bsHorizontal:
        return HS_HORIZONTAL;
    case fw::bsVertical:
        return HS_VERTICAL;
    case fw::bsFDiagonal:
        return HS_FDIAGONAL;
    case fw::bsBDiagonal:
        return HS_BDIAGONAL;
    case fw::bsCross:
        return HS_CROSS;
    default:
        return HS_DIAGCROSS;
    }
}

void PaintBrush(HDC dc, const RECT& rect, const fw::Brush& brush, fw::Color backColor)
{
    if (brush.Style() == fw::bsClear)
        return;
    const COLORREF color = fw::ColorToRGB(brush.GetColor());
    fw::BrushHandle handle(brush.Style() == fw::bsSolid ? CreateSolidBrush(color)
                                                        : CreateHatchBrush(HatchOf(brush.Style()), color));
    fw::SavedDC saved(dc);
    // Between the hatch lines the back colour shows.
    SetBkColor(dc, fw::ColorToRGB(backColor));
    SetBkMode(dc, OPAQUE);
    FillRect(dc, &rect, handle.Get());
}

}  // namespace

bool TLMDFillObject::PaintRect(fw::Canvas& canvas, const RECT& rect, fw::Color backColor) const
{
    switch (Style()) {
    case sfBrush:
        PaintBrush(canvas.Handle(), rect, brush_, backColor);
        return true;
    case sfGradient:
        PaintGradient(canvas, rect, Gradient().Style(), Gradient().BandColors(), (options_ & foGrUseBitmap) != 0,
                      Gradient().PaletteRealize());
        return true;
    default:
        // sfNone, and the picture styles, which this program never uses and does not draw.
        return false;
    }
}
