// A picture painted by its parent.
#pragma once

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Control.h"
#include "framework/ProgramIcons.h"

namespace fw {

class Image : public Control {
public:
    explicit Image(Component* owner = nullptr) : Control(owner) { SetBounds(0, 0, 105, 105); }
    std::string ClassName() const override { return "TImage"; }

    const Bitmap& Picture() const { return picture_; }
    void SetPicture(const Bitmap& picture)
    {
        picture_ = picture;
        icon_ = nullptr;
        Invalidate();
    }
    // Shows the program's icon resource `name` in `size` pixels (the size it is stored
    // in is picked) instead of a picture; with AutoSize the image takes that size.
    void LoadIcon(const wchar_t* name, int size)
    {
        icon_ = ProgramIcon(name, size);
        iconSize_ = size;
        if (autoSize_ && icon_)
            SetBounds(left_, top_, size, size);
        Invalidate();
    }
    HICON Icon() const { return icon_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
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
        if (icon_) {
            DrawIconEx(canvas.Handle(), 0, 0, icon_, iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
            return;
        }
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
    bool autoSize_ = false;
    HICON icon_ = nullptr;  // the program's, shared
    int iconSize_ = 0;
};

}  // namespace fw
