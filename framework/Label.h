// A caption painted by its parent: no window, no focus. With AutoSize its bounds follow
// its text; its accelerator ("&File") focuses its FocusControl.
#pragma once

#include "framework/Control.h"

namespace fw {

enum Alignment { taLeftJustify, taRightJustify, taCenter };

class Label : public Control {
public:
    explicit Label(Component* owner = nullptr);
    std::string ClassName() const override { return "TLabel"; }

    bool Transparent() const override { return transparent_; }
    void SetTransparent(bool transparent);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // The size follows the caption and font (the left edge stays; the right edge for
    // right-justified text). Off by default.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Whether "&" marks the accelerator (shown underlined) or is shown as it is.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // The control the accelerator focuses; forgotten when it is freed.
    WinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(WinControl* control);

    void Paint(Canvas& canvas) override;

protected:
    // The platform's DrawText flags for the caption.
    UINT TextFlags() const;
    // Resizes to the caption when AutoSize is on (not while loading).
    void AdjustBounds();
    bool DialogChar(char key) override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;
    void Notification(Component* component) override;

private:
    bool transparent_ = false;
    Alignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    bool showAccelChar_ = true;
    WinControl* focusControl_ = nullptr;
};

}  // namespace fw
