#include "framework/Canvas.h"

#include <cstring>

#include "framework/ColorWin.h"
#include "framework/Cp1251.h"

namespace fw {

Canvas::Canvas(HDC dc) : dc_(dc), saved_(SaveDC(dc))
{
    SetBkMode(dc_, TRANSPARENT);
}

Canvas::~Canvas()
{
    // Restoring the saved state deselects our pen before the PenHandle deletes it.
    if (saved_)
        RestoreDC(dc_, saved_);
}

void Canvas::SetFont(const Font& font)
{
    font_ = font.Handle();
    SelectObject(dc_, font_);
    SetTextColor(font.GetColor());
}

void Canvas::SetTextColor(Color color) { ::SetTextColor(dc_, ColorToRGB(color)); }

void Canvas::SetPenColor(Color color)
{
    if (pen_ && color == penColor_)
        return;
    PenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
    SelectObject(dc_, pen.Get());
    pen_ = std::move(pen);  // the previous pen is no longer selected
    penColor_ = color;
}

void Canvas::FillRect(const RECT& rect, Color color)
{
    if (color == clNone)
        return;
    // ExtTextOut fills with the background colour without creating a brush.
    SetBkColor(dc_, ColorToRGB(color));
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void Canvas::FrameRect(const RECT& rect, Color color)
{
    BrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    ::FrameRect(dc_, &rect, brush.Get());
}

void Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y)
{
    if (!pen_)
        SetPenColor(penColor_);
    ::LineTo(dc_, x, y);
}

void Canvas::Line(int x1, int y1, int x2, int y2, Color color)
{
    SetPenColor(color);
    MoveTo(x1, y1);
    ::LineTo(dc_, x2, y2);
}

void Canvas::DrawFocusRect(const RECT& rect)
{
    ::SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &rect);
}

void Canvas::DrawEdge(RECT rect, bool sunken) { ::DrawEdge(dc_, &rect, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT); }

void Canvas::TextOut(int x, int y, const std::string& text)
{
    std::wstring w = Widen(text);
    ExtTextOutW(dc_, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void Canvas::TextRect(const RECT& clip, int x, int y, const std::string& text)
{
    std::wstring w = Widen(text);
    UINT options = ETO_CLIPPED;
    if (brushColor_ != clNone) {
        SetBkColor(dc_, ColorToRGB(brushColor_));
        options |= ETO_OPAQUE;
    }
    ExtTextOutW(dc_, x, y, options, &clip, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void Canvas::DrawText(RECT rect, const std::string& text, UINT flags)
{
    std::wstring w = Widen(text);
    ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rect, flags);
}

RECT Canvas::TextBounds(RECT rect, const std::string& text, UINT flags)
{
    std::wstring w = Widen(text);
    ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rect, flags | DT_CALCRECT);
    return rect;
}

SIZE Canvas::TextExtent(const std::string& text)
{
    std::wstring w = Widen(text);
    SIZE size = {};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    return size;
}

void Canvas::Draw(int x, int y, const Bitmap& picture, bool useTransparent, std::uint32_t transparent)
{
    if (picture.Empty())
        return;
    DibSection scratch(picture.Width(), picture.Height());
    // Take what is under the picture, compose in memory, put it back.
    BitBlt(scratch.DC(), 0, 0, picture.Width(), picture.Height(), dc_, x, y, SRCCOPY);
    GdiFlush();
    BlendPicture(scratch.Bits(), scratch.Width(), scratch.Height(), 0, 0, picture, useTransparent, transparent);
    BitBlt(dc_, x, y, picture.Width(), picture.Height(), scratch.DC(), 0, 0, SRCCOPY);
}

}  // namespace fw
