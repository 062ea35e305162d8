#include "widgets/fill/LMDCustomLabelFill.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "framework/ColorWin.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDLabelCompose.h"

namespace {

// Holds a flag set for its own life, and clears it on every way out.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

TLMDCustomLabelFill::TLMDCustomLabelFill(fw::Component* owner)
    : TLMDCustomLabel(owner), fillObject_(fw::PlatformSystemColor)
{
    fillObject_.SetOnChange([this](TLMDObject*) { Changed(); });
    {
        // The default font is no change to resize or repaint for.
        FlagScope hold(painting_);
        GetFont().SetName("Arial");
        GetFont().SetHeight(37);  // 28 points at 96 dots per inch
    }
    // That font is the label's default, not a choice of its own.
    SetParentFont(true);
}

TLMDCustomLabelFill::~TLMDCustomLabelFill() { fillObject_.SetOnChange(nullptr); }

void TLMDCustomLabelFill::Changed()
{
    if (IsLoading() || painting_)
        return;
    TLMDCustomLabel::Changed();
}

void TLMDCustomLabelFill::Paint(fw::Canvas& canvas)
{
    if (painting_ || IsLoading())
        return;
    if (fillObject_.IsEmpty() || !Enabled()) {
        TLMDCustomLabel::Paint(canvas);
        return;
    }
    FlagScope hold(painting_);
    PaintFilled(canvas);
}

// The area inside the frame in three images, one above the other in one bitmap made for
// this paint and freed with it (making a bitmap costs more than all the pixel work): the
// fill on top, where patterns start from its corner as in an image of its own; the caption
// on the back colour; and what lies under the label, which takes the filled letters and
// goes back in one copy.
void TLMDCustomLabelFill::PaintFilled(fw::Canvas& canvas)
{
    const RECT area = PaintBackground(canvas);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || Caption().empty())
        return;
    const fw::Color font = fw::ColorToRGB(GetFont().GetColor());
    const fw::Color back = fw::ColorToRGB(brushBackColor_);
    fw::DibSection images(width, 3 * height);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::span<std::uint32_t> fill(images.Bits(), count), text(fill.end(), count), under(text.end(), count);

    // A fill that paints nothing leaves the letters in their own colour.
    std::fill(fill.begin(), fill.end(), fw::ToPixel(font));
    std::fill(text.begin(), text.end(), fw::ToPixel(back));
    {
        fw::Canvas fillCanvas(images.DC());
        fillObject_.PaintRect(fillCanvas, RECT{0, 0, width, height},
                              fillObject_.Style() == sfBrush ? brushBackColor_ : GetFont().GetColor(), true);
    }
    {
        // Lines taller than the label stay out of the images above and below.
        fw::SavedDC saved(images.DC());
        IntersectClipRect(images.DC(), 0, height, width, 2 * height);
        DrawCaption(images.DC(), RECT{0, height, width, 2 * height}, font);
    }
    BitBlt(images.DC(), 0, 2 * height, width, height, canvas.Handle(), area.left, area.top, SRCCOPY);
    GdiFlush();
    lmd::ComposeFilledText(text, fill, under, under, fw::ToPixel(font), fw::ToPixel(back));
    BitBlt(canvas.Handle(), area.left, area.top, width, height, images.DC(), 0, 2 * height, SRCCOPY);
}
