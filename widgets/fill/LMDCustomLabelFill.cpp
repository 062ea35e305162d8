#include "widgets/fill/LMDCustomLabelFill.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

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
    fillObject_.SetOnChange([this](TLMDObject*) {
        fillKept_ = false;
        Changed();
    });
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

// The fill as an image of its own, starting as the letters' colour (a fill that paints nothing
// leaves them so). Drawing a gradient's bands costs more than the rest of a paint, and its
// band colours change only with the fill, so its image is kept for the paints that follow
// until the fill, the size or the letters' colour changes; other fills, whose colours and
// pictures may change without telling, are drawn anew each time.
std::span<const std::uint32_t> TLMDCustomLabelFill::FillImage(int width, int height, std::uint32_t font)
{
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const bool sameSize = fillImage_ && fillImage_->Width() == width && fillImage_->Height() == height;
    if (fillObject_.Style() == sfGradient && fillKept_ && sameSize && fillFont_ == font)
        return {fillImage_->Bits(), count};
    if (!sameSize)
        fillImage_ = std::make_unique<fw::DibSection>(width, height);
    const std::span<std::uint32_t> bits(fillImage_->Bits(), count);
    std::ranges::fill(bits, font);
    {
        fw::Canvas canvas(fillImage_->DC());
        PaintFillImage(canvas, width, height);
    }
    GdiFlush();
    fillKept_ = true;
    fillFont_ = font;
    return bits;
}

// On a canvas whose pixels are not at hand, what lies under the label goes into a bitmap kept
// for the next paint of this size, takes the filled letters there as on any canvas whose
// pixels are at hand, and goes back in one copy.
void TLMDCustomLabelFill::PaintFilledOffScreen(HDC dc, const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (!offScreen_ || offScreen_->Width() != width || offScreen_->Height() != height)
        offScreen_ = std::make_unique<fw::DibSection>(width, height);
    const HDC image = offScreen_->DC();
    BitBlt(image, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    const RECT whole = {0, 0, width, height};
    if (const std::optional<lmd::CanvasPixels> pixels = lmd::CanvasPixels::Of(image, whole)) {
        fw::Canvas canvas(image);
        PaintFilledInPlace(canvas, whole, *pixels);
    }
    BitBlt(dc, area.left, area.top, width, height, image, 0, 0, SRCCOPY);
}

// Making a bitmap costs more than all the pixel work of a paint, so on a canvas whose own
// pixels are at hand the caption is drawn right where the label lies, what lay there kept in
// memory, and the letters composed in place with the fill image.
void TLMDCustomLabelFill::PaintFilledInPlace(fw::Canvas& canvas, const RECT& area, const lmd::CanvasPixels& pixels)
{
    if (pixels.Empty())
        return;
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    const std::uint32_t font = fw::ToPixel(fw::ColorToRGB(GetFont().GetColor()));
    const std::uint32_t back = fw::ToPixel(fw::ColorToRGB(brushBackColor_));
    const std::span<const std::uint32_t> fill = FillImage(areaWidth, areaHeight, font);
    const std::size_t width = static_cast<std::size_t>(pixels.Width());
    const std::size_t count = width * static_cast<std::size_t>(pixels.Height());
    const auto kept = std::make_unique_for_overwrite<std::uint32_t[]>(count);
    const std::span<std::uint32_t> under(kept.get(), count);

    const HDC dc = canvas.Handle();
    fw::SavedDC saved(dc);
    // Drawn as into a fresh image of the area's own: from (0, 0), nothing beyond it.
    OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
    IntersectClipRect(dc, 0, 0, areaWidth, areaHeight);
    UseFreshDrawingState(dc);
    GdiFlush();
    pixels.CopyTo(under);
    pixels.Fill(back);
    DrawCaption(dc, RECT{0, 0, areaWidth, areaHeight}, GetFont().GetColor());
    GdiFlush();
    // The reachable part lies inside the area: its rows are parts of the fill image's rows.
    const std::size_t left = static_cast<std::size_t>(pixels.Reach().left - area.left);
    const std::size_t top = static_cast<std::size_t>(pixels.Reach().top - area.top);
    for (int y = 0; y < pixels.Height(); ++y) {
        const std::span<std::uint32_t> text = pixels.Row(y);
        const std::size_t at = static_cast<std::size_t>(y) * width;
        const std::size_t fillAt = (top + static_cast<std::size_t>(y)) * static_cast<std::size_t>(areaWidth) + left;
        lmd::ComposeFilledText(text, fill.subspan(fillAt, width), under.subspan(at, width), text, font, back);
    }
}
