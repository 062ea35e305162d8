// Drawing on a device context with framework colours, fonts and cp1251 text.
// The canvas does not own the DC; everything it selects is put back when it goes.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Gdi.h"

namespace fw {

class Canvas {
public:
    explicit Canvas(HDC dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }

    // The font used by the text operations (its colour is the text colour).
    void SetFont(const Font& font);
    void SetTextColor(Color color);
    void SetBrushColor(Color color) { brushColor_ = color; }
    Color BrushColor() const { return brushColor_; }
    void SetPenColor(Color color);

    void FillRect(const RECT& rect, Color color);
    void FillRect(const RECT& rect) { FillRect(rect, brushColor_); }
    void FrameRect(const RECT& rect, Color color);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2, Color color);
    void DrawFocusRect(const RECT& rect);
    // A raised or sunken 3-D frame in the button colours.
    void DrawEdge(RECT rect, bool sunken);

    // Text with a transparent background.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y), clipped to `clip`; the rectangle is filled with the brush colour
    // first unless the brush is clNone.
    void TextRect(const RECT& clip, int x, int y, const std::string& text);
    // DrawText with the platform's DT_ flags, transparent background.
    void DrawText(RECT rect, const std::string& text, UINT flags);
    // The rectangle DrawText would fill (DT_CALCRECT): `rect` grown or shrunk to the text.
    RECT TextBounds(RECT rect, const std::string& text, UINT flags);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // Composes a picture at (x, y); pixels of the transparent colour are skipped when
    // `useTransparent`. Works on any DC by composing in a scratch DIB.
    void Draw(int x, int y, const Bitmap& picture, bool useTransparent = false, std::uint32_t transparent = 0);

private:
    HDC dc_;
    int saved_;
    Color brushColor_ = clWindow;
    PenHandle pen_;
    Color penColor_ = clBlack;
    HFONT font_ = nullptr;
};

}  // namespace fw
