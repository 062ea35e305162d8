// Text effects of a caption: raised, sunken, shadowed, outlined or extruded letters, and
// how a disabled caption looks. Only the settings; the effects are not drawn yet.
#pragma once

#include <string>

#include "framework/Color.h"
#include "widgets/fill/LMDObject.h"

enum TLMDThreeDStyle { tdNone, tdRaised, tdSunken, tdShadow, tdOutline, tdExtrude };
enum TLMDDisabledStyle { dsAuto, dsNone, ds3d };
// Where the light comes from.
enum TLMDThreeDOrientation { toTopLeft, toTop, toTopRight, toRight, toBottomRight, toBottom, toBottomLeft, toLeft };

class TLMD3DCaption : public TLMDObject {
public:
    TLMD3DCaption() = default;

    std::string ClassName() const override { return "TLMD3DCaption"; }

    TLMDThreeDStyle Style() const { return style_; }
    void SetStyle(TLMDThreeDStyle value) { SetProperty(style_, value); }
    // Extra spacing between characters, in pixels.
    int Tracing() const { return tracing_; }
    void SetTracing(int value) { SetProperty(tracing_, value); }
    TLMDDisabledStyle DisabledStyle() const { return disabledStyle_; }
    void SetDisabledStyle(TLMDDisabledStyle value) { SetProperty(disabledStyle_, value); }
    int LightDepth() const { return lightDepth_; }
    void SetLightDepth(int value) { SetProperty(lightDepth_, value); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int value) { SetProperty(shadowDepth_, value); }
    fw::Color LightColor() const { return lightColor_; }
    void SetLightColor(fw::Color value) { SetProperty(lightColor_, value); }
    fw::Color ShadowColor() const { return shadowColor_; }
    void SetShadowColor(fw::Color value) { SetProperty(shadowColor_, value); }
    TLMDThreeDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TLMDThreeDOrientation value) { SetProperty(orientation_, value); }

    // Copies every setting inside one update: one Change results.
    void Assign(const TLMDObject& source) override;

protected:
    // The copy of this class's settings, for the descendants' Assign.
    void AssignCaption(const TLMD3DCaption& other);

private:
    TLMDThreeDStyle style_ = tdNone;
    int tracing_ = 0;
    TLMDDisabledStyle disabledStyle_ = dsAuto;
    int lightDepth_ = 1;
    int shadowDepth_ = 1;
    fw::Color lightColor_ = fw::clBtnHighlight;
    fw::Color shadowColor_ = fw::clBtnShadow;
    TLMDThreeDOrientation orientation_ = toTopLeft;
};
