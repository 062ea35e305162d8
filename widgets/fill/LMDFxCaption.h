// Caption effects with rotation: the text angle and the text's offset inside the control.
#pragma once

#include <string>

#include "widgets/fill/LMD3DCaption.h"

class TLMDFxCaption : public TLMD3DCaption {
public:
    TLMDFxCaption() = default;

    std::string ClassName() const override { return "TLMDFxCaption"; }

    // Text angle in degrees, counter-clockwise; 0 is upright text.
    int Angle() const { return angle_; }
    void SetAngle(int value) { SetProperty(angle_, value); }
    // Where rotated text starts, set by the owner's sizing.
    int PosX() const { return posX_; }
    void SetPosX(int value) { SetProperty(posX_, value); }
    int PosY() const { return posY_; }
    void SetPosY(int value) { SetProperty(posY_, value); }

    // From another caption-effects object: its settings, and the angle and position when
    // it has them; one Change results.
    void Assign(const TLMDObject& source) override;

private:
    int angle_ = 0;
    int posX_ = 0;
    int posY_ = 0;
};
