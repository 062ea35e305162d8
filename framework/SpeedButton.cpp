#include "framework/SpeedButton.h"

#include <algorithm>

#include "framework/ColorWin.h"

namespace fw {

SpeedButton::SpeedButton(Component* owner) : Control(owner)
{
    clickOnRelease_ = true;
    SetBounds(0, 0, 23, 22);
}

void SpeedButton::SetGlyph(const Bitmap& glyph)
{
    glyph_ = glyph;
    Invalidate();
}

void SpeedButton::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count != numGlyphs_) {
        numGlyphs_ = count;
        Invalidate();
    }
}

void SpeedButton::SetFlat(bool flat)
{
    if (flat != flat_) {
        flat_ = flat;
        Invalidate();
    }
}

void SpeedButton::SetSpacing(int spacing)
{
    if (spacing != spacing_) {
        spacing_ = spacing;
        Invalidate();
    }
}

Bitmap SpeedButton::CurrentPicture() const
{
    if (glyph_.Empty())
        return {};
    const int w = glyph_.Width() / numGlyphs_;
    int index = 0;
    if (!Enabled())
        index = 1;
    else if (pressed_ && numGlyphs_ > 2)
        index = 2;
    if (index < numGlyphs_)
        return glyph_.Section(index * w, 0, w, glyph_.Height());
    // No disabled picture in the strip: grey the normal one.
    Bitmap normal = glyph_.Section(0, 0, w, glyph_.Height());
    return normal.Disabled(normal.TransparentPixel(), ToPixel(ColorToRGB(clBtnShadow)),
                           ToPixel(ColorToRGB(clBtnHighlight)));
}

void SpeedButton::Paint(Canvas& canvas)
{
    RECT r = ClientRect();
    canvas.FillRect(r, clBtnFace);
    if (!flat_ || (hot_ && Enabled()) || pressed_)
        canvas.DrawEdge(r, pressed_);

    Bitmap picture = CurrentPicture();
    canvas.SetFont(GetFont());
    const SIZE text = Caption().empty() ? SIZE{0, 0} : canvas.TextExtent(Caption());
    const int gap = (!picture.Empty() && text.cx > 0) ? spacing_ : 0;
    const int total = picture.Width() + gap + text.cx;
    const int offset = pressed_ ? 1 : 0;
    int x = (width_ - total + 1) / 2 + offset;
    if (!picture.Empty()) {
        const int y = (height_ - picture.Height() + 1) / 2 + offset;
        canvas.Draw(x, y, picture, true, picture.TransparentPixel());
        x += picture.Width() + gap;
    }
    if (text.cx > 0) {
        const int y = (height_ - text.cy + 1) / 2 + offset;
        if (!Enabled()) {
            canvas.SetTextColor(clBtnHighlight);
            canvas.TextOut(x + 1, y + 1, Caption());
            canvas.SetTextColor(clBtnShadow);
        } else {
            canvas.SetTextColor(GetFont().GetColor());
        }
        canvas.TextOut(x, y, Caption());
    }
}

void SpeedButton::MouseDown(MouseButton button, ShiftState shift, int x, int y)
{
    if (button == MouseButton::Left) {
        held_ = true;
        pressed_ = true;
        Invalidate();
    }
    Control::MouseDown(button, shift, x, y);
}

void SpeedButton::MouseMove(ShiftState shift, int x, int y)
{
    if (held_) {
        const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
        if (inside != pressed_) {
            pressed_ = inside;
            Invalidate();
        }
    }
    Control::MouseMove(shift, x, y);
}

void SpeedButton::MouseUp(MouseButton button, ShiftState shift, int x, int y)
{
    if (button == MouseButton::Left) {
        held_ = false;
        if (pressed_) {
            pressed_ = false;
            Invalidate();
        }
    }
    Control::MouseUp(button, shift, x, y);
}

void SpeedButton::MouseEnter()
{
    hot_ = true;
    if (flat_)
        Invalidate();
    Control::MouseEnter();
}

void SpeedButton::MouseLeave()
{
    hot_ = false;
    if (flat_)
        Invalidate();
    Control::MouseLeave();
}

void SpeedButton::EnabledChanged()
{
    held_ = false;
    pressed_ = false;
    Control::EnabledChanged();
}

}  // namespace fw
