#include "framework/Font.h"

#include "framework/Cp1251.h"

namespace fw {

Font& Font::operator=(const Font& other)
{
    if (this != &other && !SameAs(other)) {
        CopyValues(other);
        Changed();
    }
    return *this;
}

void Font::CopyValues(const Font& other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
}

bool Font::SameAs(const Font& other) const
{
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_;
}

void Font::SetName(const std::string& name)
{
    if (name != name_) {
        name_ = name;
        Changed();
    }
}

void Font::SetHeight(int pixels)
{
    if (pixels != height_) {
        height_ = pixels;
        Changed();
    }
}

void Font::SetColor(Color color)
{
    if (color != color_) {
        color_ = color;
        // The colour is not part of the GDI font; keep the handle.
        if (OnChange)
            OnChange();
    }
}

void Font::SetStyle(unsigned style)
{
    if (style != style_) {
        style_ = style;
        Changed();
    }
}

void Font::Changed()
{
    // Whoever uses the old font gets the new one in OnChange; only then may the old go.
    FontHandle old(handle_.Release());
    if (OnChange)
        OnChange();
}

HFONT Font::Handle() const
{
    if (!handle_) {
        LOGFONTW lf = {};
        lf.lfHeight = -height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring face = Widen(name_);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
        if (!handle_)
            return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    return handle_.Get();
}

}  // namespace fw
