// A button painted by its parent: caption and a glyph strip (normal, disabled, pressed,
// down pictures side by side). It has no window, so it never takes the focus.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Control.h"

namespace fw {

class SpeedButton : public Control {
public:
    explicit SpeedButton(Component* owner = nullptr);
    std::string ClassName() const override { return "TSpeedButton"; }

    const Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& glyph);
    // How many pictures the strip holds (1 to 4): normal, disabled, pressed, down.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // Gap between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    bool Pressed() const { return pressed_; }
    // The picture painted for the current state (for tests and for subclasses).
    Bitmap CurrentPicture() const;

    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;

private:
    Bitmap glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    int spacing_ = 4;
    bool pressed_ = false;
    bool held_ = false;
    bool hot_ = false;
};

}  // namespace fw
