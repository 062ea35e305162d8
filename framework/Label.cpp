#include "framework/Label.h"

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
        Invalidate();
    }
}

void Label::Paint(Canvas& canvas)
{
    RECT r = ClientRect();
    if (!transparent_)
        canvas.FillRect(r, GetColor());
    UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0);
    if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == taCenter)
        flags |= DT_CENTER;
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
