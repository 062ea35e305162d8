// The frame a control draws around its content, and the width it takes from each side.
// Only the extent is worked out here; the frame's look is not drawn yet.
#pragma once

#include <cstdint>
#include <string>

#include "framework/Color.h"
#include "widgets/fill/LMDObject.h"

enum TLMDBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
enum TLMDBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
// A set: the sides the frame is drawn on.
enum TLMDBorderSide : unsigned { bsLeft = 1, bsTop = 2, bsRight = 4, bsBottom = 8 };
constexpr unsigned kAllBorderSides = bsLeft | bsTop | bsRight | bsBottom;
// The platform's edge kinds (bmEdge).
enum TLMDEdgeStyle { etNone, etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump, etEtched, etRaised, etSunken };
// Single or double lines (bmStandard).
enum TLMDStandardStyle { lsNone, lsSingleLowered, lsSingleRaised, lsDoubleLowered, lsDoubleRaised };

class TLMDBevel : public TLMDObject {
public:
    TLMDBevel() = default;

    std::string ClassName() const override { return "TLMDBevel"; }

    TLMDBevelMode Mode() const { return mode_; }
    void SetMode(TLMDBevelMode value) { SetProperty(mode_, value); }
    TLMDBevelStyle StyleInner() const { return styleInner_; }
    void SetStyleInner(TLMDBevelStyle value) { SetProperty(styleInner_, value); }
    TLMDBevelStyle StyleOuter() const { return styleOuter_; }
    void SetStyleOuter(TLMDBevelStyle value) { SetProperty(styleOuter_, value); }
    // 0 to 50; values beyond are kept to that range.
    int WidthInner() const { return widthInner_; }
    void SetWidthInner(int value) { SetProperty(widthInner_, KeepWidth(value)); }
    int WidthOuter() const { return widthOuter_; }
    void SetWidthOuter(int value) { SetProperty(widthOuter_, KeepWidth(value)); }
    std::uint8_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(std::uint8_t value) { SetProperty(borderWidth_, value); }
    std::uint8_t BorderInnerWidth() const { return borderInnerWidth_; }
    void SetBorderInnerWidth(std::uint8_t value) { SetProperty(borderInnerWidth_, value); }
    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color value) { SetProperty(borderColor_, value); }
    fw::Color LightColor() const { return lightColor_; }
    void SetLightColor(fw::Color value) { SetProperty(lightColor_, value); }
    fw::Color ShadowColor() const { return shadowColor_; }
    void SetShadowColor(fw::Color value) { SetProperty(shadowColor_, value); }
    // A set of TLMDBorderSide values.
    unsigned BorderSides() const { return borderSides_; }
    void SetBorderSides(unsigned value) { SetProperty(borderSides_, value & kAllBorderSides); }
    TLMDEdgeStyle EdgeStyle() const { return edgeStyle_; }
    void SetEdgeStyle(TLMDEdgeStyle value) { SetProperty(edgeStyle_, value); }
    TLMDStandardStyle StandardStyle() const { return standardStyle_; }
    void SetStandardStyle(TLMDStandardStyle value) { SetProperty(standardStyle_, value); }

    // The width in pixels the frame takes from each side of its rectangle.
    int Extent() const;

    // Copies every setting inside one update: one Change results.
    void Assign(const TLMDObject& source) override;

private:
    static int KeepWidth(int value) { return value < 0 ? 0 : value > 50 ? 50 : value; }

    TLMDBevelMode mode_ = bmCustom;
    TLMDBevelStyle styleInner_ = bvNone;
    TLMDBevelStyle styleOuter_ = bvNone;
    int widthInner_ = 1;
    int widthOuter_ = 1;
    std::uint8_t borderWidth_ = 0;
    std::uint8_t borderInnerWidth_ = 0;
    fw::Color borderColor_ = fw::clBtnFace;
    fw::Color lightColor_ = fw::clBtnHighlight;
    fw::Color shadowColor_ = fw::clBtnShadow;
    unsigned borderSides_ = kAllBorderSides;
    TLMDEdgeStyle edgeStyle_ = etEtched;
    TLMDStandardStyle standardStyle_ = lsSingleLowered;
};
