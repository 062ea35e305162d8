// A caption painted by its parent: no window, no focus, no auto-size.
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

    void Paint(Canvas& canvas) override;

private:
    bool transparent_ = false;
    Alignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
};

}  // namespace fw
