// A font description (name, height in pixels, colour, style) with its GDI font made on use.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/Color.h"
#include "framework/Gdi.h"

namespace fw {

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class Font {
public:
    Font() = default;
    Font(const Font& other) { CopyValues(other); }
    Font& operator=(const Font& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels (the cell height without internal leading).
    int Height() const { return height_; }
    void SetHeight(int pixels);
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);

    // Copies every value, raising one change when anything differed.
    void Assign(const Font& other) { *this = other; }
    bool SameAs(const Font& other) const;

    // The GDI font; made when first needed and kept until a value changes.
    HFONT Handle() const;

    // Raised after any value changed.
    std::function<void()> OnChange;

private:
    void CopyValues(const Font& other);
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = 11;
    Color color_ = clWindowText;
    unsigned style_ = 0;
    mutable FontHandle handle_;
};

}  // namespace fw
