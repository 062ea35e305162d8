#include "widgets/fill/LMDCustomLabel.h"

#include <algorithm>

#include "framework/ColorWin.h"
#include "framework/Cp1251.h"
#include "framework/Gdi.h"

static_assert(lmd::kDtCenter == DT_CENTER && lmd::kDtRight == DT_RIGHT && lmd::kDtVCenter == DT_VCENTER &&
              lmd::kDtBottom == DT_BOTTOM && lmd::kDtWordBreak == DT_WORDBREAK &&
              lmd::kDtSingleLine == DT_SINGLELINE && lmd::kDtExpandTabs == DT_EXPANDTABS &&
              lmd::kDtCalcRect == DT_CALCRECT && lmd::kDtNoPrefix == DT_NOPREFIX &&
              lmd::kDtEditControl == DT_EDITCONTROL && lmd::kDtPathEllipsis == DT_PATH_ELLIPSIS &&
              lmd::kDtEndEllipsis == DT_END_ELLIPSIS);

namespace {

bool CanRotate(const fw::Font& font)
{
    fw::MemoryDC dc;
    fw::SelectGuard select(dc.Get(), font.Handle());
    TEXTMETRICW metrics = {};
    return GetTextMetricsW(dc.Get(), &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

// The rectangle the platform's text call gives `text` when measuring from `rect`.
RECT Measure(HDC dc, const std::string& text, RECT rect, unsigned flags)
{
    const std::wstring wide = fw::Widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
    return rect;
}

}  // namespace

TLMDCustomLabel::TLMDCustomLabel(fw::Component* owner) : TLMDBaseLabel(owner)
{
    bevel_.SetOnChange([this](TLMDObject*) { Changed(); });
    fontFX_.SetOnChange([this](TLMDObject*) { FontChange(false); });
}

TLMDCustomLabel::~TLMDCustomLabel()
{
    fontFX_.SetOnChange(nullptr);
    bevel_.SetOnChange(nullptr);
}

lmd::TextLayout TLMDCustomLabel::Layout() const
{
    return lmd::TextLayout{options_, Alignment(), AutoSize(), multiLine_, ShowAccelChar(), fontFX_.Angle()};
}

void TLMDCustomLabel::AdjustBounds()
{
    if (!AutoSize() || IsLoading())
        return;
    fw::MemoryDC dc;
    fw::SelectGuard font(dc.Get(), GetFont().Handle());
    // Rotated text is not drawn yet: every caption is measured upright, from its corner.
    if (fontFX_.PosX() != 0 || fontFX_.PosY() != 0) {
        fontFX_.BeginUpdate();
        fontFX_.SetPosX(0);
        fontFX_.SetPosY(0);
        fontFX_.EndUpdate(false);
    }
    SetTextCharacterExtra(dc.Get(), fontFX_.Tracing());
    // Several lines break at the width the text has inside the frame, so that the frame is
    // not added again with every change.
    const int frame = 2 * (bevel_.Extent() + 1);
    const RECT text = Measure(dc.Get(), lmd::MeasuredText(Caption(), ShowAccelChar()),
                              RECT{0, 0, std::max(0, Width() - frame), std::max(0, Height() - frame)},
                              lmd::MeasureFlags(Layout()));
    SetBounds(Left(), Top(), text.right - text.left + frame, text.bottom - text.top + frame);
}

void TLMDCustomLabel::FontChange(bool fromFont)
{
    if (IsLoading())
        return;
    if (fromFont)
        SetParentFont(false);
    if (fontFX_.Angle() != 0 && !CanRotate(GetFont())) {
        if (!fromFont) {
            // The font change this makes comes back here and goes on from there.
            GetFont().SetName("Arial");
            return;
        }
        fontFX_.BeginUpdate();
        fontFX_.SetAngle(0);
        fontFX_.EndUpdate(false);
    }
    Changed();
}

void TLMDCustomLabel::Loaded()
{
    AdjustBounds();
    TLMDBaseLabel::Loaded();
}

RECT TLMDCustomLabel::PaintBackground(fw::Canvas& canvas)
{
    RECT area = ClientRect();
    if (!Transparent())
        canvas.FillRect(area, GetColor());
    // The frame's look is not drawn yet; the width it takes is kept free.
    const int frame = bevel_.Extent();
    InflateRect(&area, -frame, -frame);
    return area;
}

void TLMDCustomLabel::Paint(fw::Canvas& canvas)
{
    if (IsLoading())
        return;
    const RECT area = PaintBackground(canvas);
    if (Enabled() || fontFX_.DisabledStyle() == dsNone) {
        DrawCaption(canvas.Handle(), area, GetFont().GetColor());
        return;
    }
    if (fontFX_.DisabledStyle() == ds3d) {
        // Sunken: a light copy one pixel down and right, under the grey text.
        RECT light = area;
        OffsetRect(&light, 1, 1);
        DrawCaption(canvas.Handle(), light, fw::clBtnHighlight);
    }
    DrawCaption(canvas.Handle(), area, fw::clGrayText);
}

void TLMDCustomLabel::DrawCaption(HDC dc, const RECT& area, fw::Color color) const
{
    if (Caption().empty() || area.right <= area.left || area.bottom <= area.top)
        return;
    fw::SavedDC saved(dc);
    SelectObject(dc, GetFont().Handle());
    ::SetTextColor(dc, fw::ColorToRGB(color));
    SetBkMode(dc, TRANSPARENT);
    SetTextCharacterExtra(dc, fontFX_.Tracing());
    RECT rect = CaptionRect(dc, area);
    const std::wstring wide = fw::Widen(Caption());
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, lmd::DrawFlags(Layout()));
}

RECT TLMDCustomLabel::CaptionRect(HDC dc, const RECT& area) const
{
    const TLMDAlignment alignment = Alignment();
    if (AutoSize() || fontFX_.Angle() != 0 || !multiLine_ || alignment < agCenterLeft)
        return area;
    const int width = area.right - area.left, height = area.bottom - area.top;
    const RECT text = Measure(dc, lmd::MeasuredText(Caption(), ShowAccelChar()), RECT{0, 0, width - 1, height},
                              lmd::MeasureFlags(Layout()));
    const int textWidth = text.right - text.left, textHeight = text.bottom - text.top;
    // Left, middle or right and top, middle or bottom: none, half or all of the free space.
    const int left = area.left + (alignment % 3) * (width - textWidth) / 2;
    const int top = area.top + (alignment / 3) * (height - textHeight) / 2;
    return RECT{left, top, left + textWidth, top + textHeight};
}
