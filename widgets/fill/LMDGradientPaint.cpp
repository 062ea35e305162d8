#include "widgets/fill/LMDGradientPaint.h"

#include <algorithm>

#include "framework/Gdi.h"
#include "framework/Palette.h"

namespace {

// A logical palette of the band colours, each entry kept apart from the system's.
fw::PaletteHandle MakeBandPalette(const std::vector<fw::Color>& colors)
{
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } palette = {0x300, static_cast<WORD>(std::min<std::size_t>(colors.size(), 256)), {}};
    for (WORD i = 0; i < palette.count; ++i)
        palette.entries[i] = {static_cast<BYTE>(GetRValue(colors[i])), static_cast<BYTE>(GetGValue(colors[i])),
                              static_cast<BYTE>(GetBValue(colors[i])), PC_NOCOLLAPSE};
    return fw::PaletteHandle(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)));
}

// One band with the null pen and the DC brush, its coordinates moved by `origin`.
void FillBand(HDC dc, const TLMDBandShape& band, POINT origin)
{
    const int left = band.left + origin.x, top = band.top + origin.y;
    const int right = band.right + origin.x, bottom = band.bottom + origin.y;
    switch (band.kind) {
    case TLMDBandShapeKind::kFillRect: {
        const RECT r = {left, top, right, bottom};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        break;
    }
    case TLMDBandShapeKind::kRectangle:
        Rectangle(dc, left, top, right, bottom);
        break;
    case TLMDBandShapeKind::kEllipse:
        Ellipse(dc, left, top, right, bottom);
        break;
    case TLMDBandShapeKind::kPolygon: {
        POINT points[4];
        for (int k = 0; k < 4; ++k)
            points[k] = {band.points[k].x + origin.x, band.points[k].y + origin.y};
        Polygon(dc, points, 4);
        break;
    }
    }
}

void PaintBands(HDC dc, POINT origin, int width, int height, TLMDGradientStyle style,
                const std::vector<fw::Color>& colors, bool paletteColors)
{
    fw::SelectGuard pen(dc, GetStockObject(NULL_PEN));
    fw::SelectGuard brush(dc, GetStockObject(DC_BRUSH));
    const int n = static_cast<int>(colors.size());
    const bool firstBandFirst = lmd::PaintsFirstBandFirst(style);
    for (int k = 0; k < n; ++k) {
        const int i = firstBandFirst ? k : n - 1 - k;
        // Plain colours are COLORREFs already; through a palette they are palette-relative.
        SetDCBrushColor(dc, paletteColors ? (colors[i] | 0x02000000u) : colors[i]);
        FillBand(dc, lmd::BandShape(style, i, n, width, height), origin);
    }
}

}  // namespace

void PaintGradient(fw::Canvas& canvas, const RECT& rect, TLMDGradientStyle style, const std::vector<fw::Color>& colors,
                   bool offScreen, bool usePalette)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (colors.empty() || width <= 0 || height <= 0)
        return;
    fw::PaletteHandle palette;
    if (usePalette)
        palette = MakeBandPalette(colors);
    const HDC target = canvas.Handle();
    if (!offScreen) {
        // The larger bands of some styles reach beyond the rectangle; the canvas keeps them out.
        fw::SavedDC saved(target);
        IntersectClipRect(target, rect.left, rect.top, rect.right, rect.bottom);
        fw::PaletteSelection selection(target, palette.Get());
        PaintBands(target, {rect.left, rect.top}, width, height, style, colors, usePalette);
        return;
    }
    fw::DibSection image(width, height);
    {
        fw::PaletteSelection selection(image.DC(), palette.Get());
        PaintBands(image.DC(), {0, 0}, width, height, style, colors, usePalette);
    }
    fw::PaletteSelection selection(target, palette.Get());
    BitBlt(target, rect.left, rect.top, width, height, image.DC(), 0, 0, SRCCOPY);
}
