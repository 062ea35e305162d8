// The fill object's painting, kept apart from its settings because it needs the platform.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

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

// Brush patterns are laid from `origin` in the DC's coordinates, wherever its viewport lies.
void SetPatternOrigin(HDC dc, POINT origin)
{
    LPtoDP(dc, &origin, 1);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

void PaintBrush(HDC dc, const RECT& rect, const fw::Brush& brush, fw::Color backColor)
{
    if (brush.Style() == fw::bsClear)
        return;
    const COLORREF color = fw::ColorToRGB(brush.GetColor());
    fw::BrushHandle handle(brush.Style() == fw::bsSolid ? CreateSolidBrush(color)
                                                        : CreateHatchBrush(HatchOf(brush.Style()), color));
    fw::SavedDC saved(dc);
    SetPatternOrigin(dc, {0, 0});
    // Between the hatch lines the back colour shows.
    SetBkColor(dc, fw::ColorToRGB(backColor));
    SetBkMode(dc, OPAQUE);
    FillRect(dc, &rect, handle.Get());
}

// The picture's pixels as a 32-bit top-down DIB header.
BITMAPINFO PictureInfo(const fw::Bitmap& picture)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DrawPicture(HDC dc, const fw::Bitmap& picture, int x, int y, int width, int height)
{
    const BITMAPINFO info = PictureInfo(picture);
    StretchDIBits(dc, x, y, width, height, 0, 0, picture.Width(), picture.Height(), picture.Pixels().data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

// The picture repeated as a brush pattern from `origin` on.
void PaintPattern(HDC dc, const RECT& rect, const fw::Bitmap& picture, POINT origin)
{
    const BITMAPINFO info = PictureInfo(picture);
    std::vector<std::uint8_t> packed(sizeof(info.bmiHeader) + picture.Pixels().size() * sizeof(std::uint32_t));
    std::memcpy(packed.data(), &info.bmiHeader, sizeof(info.bmiHeader));
    std::memcpy(packed.data() + sizeof(info.bmiHeader), picture.Pixels().data(), packed.size() - sizeof(info.bmiHeader));
    fw::BrushHandle brush(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
    fw::SavedDC saved(dc);
    SetPatternOrigin(dc, origin);
    FillRect(dc, &rect, brush.Get());
}

// A picture per the fill's TileMode: stretched or tiled over the rectangle, or placed in it.
void PaintPicture(HDC dc, const RECT& rect, const TLMDFillObject& fill, const fw::Bitmap& picture, fw::Color backColor)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int pw = picture.Width(), ph = picture.Height();
    fw::SavedDC saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    switch (fill.TileMode()) {
    case tmStretch:
        DrawPicture(dc, picture, rect.left, rect.top, width, height);
        return;
    case tmTile:
        PaintPattern(dc, rect, picture, {rect.left, rect.top});
        return;
    case tmNone:
    case tmCenter:
        break;
    }
    if (fill.Options() & foFillInner) {
        fw::BrushHandle back(CreateSolidBrush(fw::ColorToRGB(backColor)));
        FillRect(dc, &rect, back.Get());
    }
    // tmCenter is the middle; tmNone places per Alignment (column and row of three) and offset.
    const bool centred = fill.TileMode() == tmCenter;
    const int column = centred ? 1 : fill.Alignment() % 3;
    const int row = centred ? 1 : fill.Alignment() / 3;
    const int offsetX = centred ? 0 : fill.OffsetX();
    const int offsetY = centred ? 0 : fill.OffsetY();
    DrawPicture(dc, picture, rect.left + offsetX + column * (width - pw) / 2, rect.top + offsetY + row * (height - ph) / 2,
                pw, ph);
}

}  // namespace

bool TLMDFillObject::PaintRect(fw::Canvas& canvas, const RECT& rect, fw::Color backColor, bool canvasOffScreen) const
{
    switch (Style()) {
    case sfBrush:
        PaintBrush(canvas.Handle(), rect, brush_, backColor);
        return true;
    case sfGradient:
        PaintGradient(canvas, rect, Gradient().Style(), Gradient().BandColors(),
                      !canvasOffScreen && (options_ & foGrUseBitmap) != 0, Gradient().PaletteRealize());
        return true;
    case sfBrushBitmap:
        if (Bitmap().Empty())
            return false;
        PaintPattern(canvas.Handle(), rect, Bitmap(), {0, 0});
        return true;
    case sfBitmap:
    case sfBitmapList: {
        const fw::Bitmap& picture = Style() == sfBitmap ? Bitmap() : ListBitmap();
        if (picture.Empty())
            return false;
        PaintPicture(canvas.Handle(), rect, *this, picture, backColor);
        return true;
    }
    case sfNone:
        break;
    }
    return false;
}
