// A picture painted by its parent.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Control.h"

namespace fw {

class Image : public Control {
public:
    explicit Image(Component* owner = nullptr) : Control(owner) { SetBounds(0, 0, 105, 105); }
    std::string ClassName() const override { return "TImage"; }

    const Bitmap& Picture() const { return picture_; }
    void SetPicture(const Bitmap& picture)
    {
        picture_ = picture;
        Invalidate();
    }
    bool Center() const { return center_; }
    void SetCenter(bool center)
    {
        center_ = center;
        Invalidate();
    }
    // Skips the bottom-left pixel's colour, showing the parent through it.
    bool Transparent() const override { return transparent_; }
    void SetTransparent(bool transparent)
    {
        transparent_ = transparent;
        Invalidate();
    }

    void Paint(Canvas& canvas) override
    {
        int x = 0, y = 0;
        if (center_) {
            x = (width_ - picture_.Width()) / 2;
            y = (height_ - picture_.Height()) / 2;
        }
        canvas.Draw(x, y, picture_, transparent_, picture_.TransparentPixel());
    }

private:
    Bitmap picture_;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace fw
