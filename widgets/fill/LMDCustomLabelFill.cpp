#include "widgets/fill/LMDCustomLabelFill.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "framework/ColorWin.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDCanvasPixels.h"
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

// The settings a fresh DC draws with, where a caller's DC may have others.
void UseFreshDrawingState(HDC dc)
{
    SetROP2(dc, R2_COPYPEN);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextJustification(dc, 0, 0);
    SetPolyFillMode(dc, ALTERNATE);
    SetStretchBltMode(dc, BLACKONWHITE);
}

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

void TLMDCustomLabelFill::PaintFilled(fw::Canvas& canvas)
{
    const RECT area = PaintBackground(canvas);
    if (area.right <= area.left || area.bottom <= area.top || Caption().empty())
        return;
    if (const std::optional<lmd::CanvasPixels> pixels = lmd::CanvasPixels::Of(canvas.Handle(), area))
        PaintFilledInPlace(canvas, area, *pixels);
    else
        PaintFilledOffScreen(canvas.Handle(), area);
}

// The fill of an image of `width` by `height` at (0, 0) of the canvas, where patterns start.
void TLMDCustomLabelFill::PaintFillImage(fw::Canvas& canvas, int width, int height) const
{
    fillObject_.PaintRect(canvas, RECT{0, 0, width, height},
                          fillObject_.Style() == sfBrush ? brushBackColor_ : GetFont().GetColor(), true);
}

// Three images of the area inside the frame, one above the other in one bitmap made for
// this paint and freed with it: the fill on top, the caption on the back colour, and what
// lies under the label, which takes the filled letters and goes back in one copy.
void TLMDCustomLabelFill::PaintFilledOffScreen(HDC dc, const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    const std::uint32_t font = fw::ToPixel(fw::ColorToRGB(GetFont().GetColor()));
    const std::uint32_t back = fw::ToPixel(fw::ColorToRGB(brushBackColor_));
    fw::DibSection images(width, 3 * height);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::span<std::uint32_t> fill(images.Bits(), count), text(fill.end(), count), under(text.end(), count);

    // A fill that paints nothing leaves the letters in their own colour.
    std::ranges::fill(fill, font);
    std::ranges::fill(text, back);
    {
        fw::Canvas fillCanvas(images.DC());
        PaintFillImage(fillCanvas, width, height);
    }
    {
        // Lines taller than the label stay out of the images above and below.
        fw::SavedDC saved(images.DC());
        IntersectClipRect(images.DC(), 0, height, width, 2 * height);
        DrawCaption(images.DC(), RECT{0, height, width, 2 * height}, GetFont().GetColor());
    }
    BitBlt(images.DC(), 0, 2 * height, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();
    lmd::ComposeFilledText(text, fill, under, under, font, back);
    BitBlt(dc, area.left, area.top, width, height, images.DC(), 0, 2 * height, SRCCOPY);
}

// Making a bitmap costs more than all the pixel work of a paint, so on a canvas whose own
// pixels are at hand the fill and then the caption are drawn right where the label lies, the
// fill and what lay there kept in memory, and the letters composed in place.
void TLMDCustomLabelFill::PaintFilledInPlace(fw::Canvas& canvas, const RECT& area, const lmd::CanvasPixels& pixels)
{
    if (pixels.Empty())
        return;
    const std::uint32_t font = fw::ToPixel(fw::ColorToRGB(GetFont().GetColor()));
    const std::uint32_t back = fw::ToPixel(fw::ColorToRGB(brushBackColor_));
    const std::size_t width = static_cast<std::size_t>(pixels.Width());
    const std::size_t count = width * static_cast<std::size_t>(pixels.Height());
    const auto images = std::make_unique_for_overwrite<std::uint32_t[]>(2 * count);
    const std::span<std::uint32_t> fill(images.get(), count), under(fill.end(), count);

    const HDC dc = canvas.Handle();
    fw::SavedDC saved(dc);
    // Drawn as into a fresh image of the area's own: from (0, 0), nothing beyond it.
    OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
    IntersectClipRect(dc, 0, 0, area.right - area.left, area.bottom - area.top);
    UseFreshDrawingState(dc);
    GdiFlush();
    pixels.CopyTo(under);
    pixels.Fill(font);
    PaintFillImage(canvas, area.right - area.left, area.bottom - area.top);
    GdiFlush();
    pixels.CopyTo(fill);
    pixels.Fill(back);
    DrawCaption(dc, RECT{0, 0, area.right - area.left, area.bottom - area.top}, GetFont().GetColor());
    GdiFlush();
    for (int y = 0; y < pixels.Height(); ++y) {
        const std::span<std::uint32_t> text = pixels.Row(y);
        const std::size_t at = static_cast<std::size_t>(y) * width;
        lmd::ComposeFilledText(text, fill.subspan(at, width), under.subspan(at, width), text, font, back);
    }
}
