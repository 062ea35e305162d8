#include "framework/Label.h"

#include "framework/Accelerator.h"
#include "framework/WinControl.h"

namespace fw {

Label::Label(Component* owner) : Control(owner) { SetBounds(0, 0, 65, 13); }

void Label::SetTransparent(bool transparent)
{
    if (transparent != transparent_) {
        transparent_ = transparent;
        Invalidate();
    }
}

void Label::SetAlignment(Alignment alignment)
{
    if (alignment != alignment_) {
        alignment_ = alignment;
        Invalidate();
    }
}

void Label::SetWordWrap(bool wordWrap)
{
    if (wordWrap != wordWrap_) {
        wordWrap_ = wordWrap;
        AdjustBounds();
        Invalidate();
    }
}

void Label::SetAutoSize(bool autoSize)
{
    if (autoSize != autoSize_) {
        autoSize_ = autoSize;
        AdjustBounds();
    }
}

void Label::SetShowAccelChar(bool show)
{
    if (show != showAccelChar_) {
        showAccelChar_ = show;
        AdjustBounds();
        Invalidate();
    }
}

void Label::SetFocusControl(WinControl* control)
{
    focusControl_ = control;
    FreeNotification(control);
}

void Label::Notification(Component* component)
{
    Control::Notification(component);
    if (component == focusControl_)
        focusControl_ = nullptr;
}

UINT Label::TextFlags() const
{
    UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
    if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == taCenter)
        flags |= DT_CENTER;
    return flags;
}

void Label::AdjustBounds()
{
    if (!autoSize_ || IsLoading())
        return;
    // An empty caption keeps the height of one line.
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    MemoryDC dc;
    RECT r = {0, 0, wordWrap_ ? width_ : 0, 0};
    {
        Canvas canvas(dc.Get());
        canvas.SetFont(GetFont());
        r = canvas.TextBounds(r, text, TextFlags() & ~static_cast<UINT>(DT_RIGHT | DT_CENTER));
    }
    const int left = alignment_ == taRightJustify ? left_ + width_ - r.right : left_;
    SetBounds(left, top_, r.right, r.bottom);
}

void Label::TextChanged()
{
    AdjustBounds();
    Control::TextChanged();
}

void Label::FontChanged()
{
    AdjustBounds();
    Control::FontChanged();
}

void Label::Loaded()
{
    Control::Loaded();
    AdjustBounds();
}

bool Label::DialogChar(char key)
{
    if (!Enabled() || !showAccelChar_ || !focusControl_ || !IsAccel(key, Caption()) || !focusControl_->CanFocus())
        return false;
    focusControl_->SetFocus();
    return true;
}

void Label::Paint(Canvas& canvas)
{
    RECT r = ClientRect();
    if (!transparent_)
        canvas.FillRect(r, GetColor());
    const UINT flags = TextFlags();
    canvas.SetFont(GetFont());
    if (!Enabled()) {
        // The platform's engraved look for disabled text.
        RECT shifted = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        canvas.SetTextColor(clBtnHighlight);
        canvas.DrawText(shifted, Caption(), flags);
        canvas.SetTextColor(clBtnShadow);
    }
    canvas.DrawText(r, Caption(), flags);
}

}  // namespace fw
