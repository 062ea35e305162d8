// A brush description (colour and style) with a change event, as fills and shapes use it.
// Only the description: the platform brush is made where it paints.
#pragma once

#include <functional>

#include "framework/Color.h"

namespace fw {

// Solid, none at all, or one of the platform's hatch patterns.
enum BrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class Brush {
public:
    Brush() = default;
    Brush(const Brush& other) : color_(other.color_), style_(other.style_) {}
    // Copies the values (not the event), raising one change when anything differed.
    Brush& operator=(const Brush& other)
    {
        if (color_ != other.color_ || style_ != other.style_) {
            color_ = other.color_;
            style_ = other.style_;
            Changed();
        }
        return *this;
    }

    Color GetColor() const { return color_; }
    void SetColor(Color color)
    {
        if (color_ != color) {
            color_ = color;
            Changed();
        }
    }
    BrushStyle Style() const { return style_; }
    void SetStyle(BrushStyle style)
    {
        if (style_ != style) {
            style_ = style;
            Changed();
        }
    }
    void Assign(const Brush& other) { *this = other; }

    // Raised after any value changed.
    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }

    Color color_ = clWhite;
    BrushStyle style_ = bsSolid;
};

}  // namespace fw
