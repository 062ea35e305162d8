// A gradient: bands of colour stepped between a start and an end colour (or through a
// list of colour stops), laid into a rectangle by a gradient style. It keeps its band
// colours ready, rebuilt on every change; painting them is LMDGradientPaint's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Color.h"
#include "widgets/fill/LMDGradientBands.h"
#include "widgets/fill/LMDObject.h"

class TLMDGradient : public TLMDObject {
public:
    // `systemColors` gives the current value of a system colour (the platform's table on
    // the target) and is used whenever the bands are rebuilt.
    explicit TLMDGradient(fw::SystemColorLookup systemColors);

    std::string ClassName() const override { return "TLMDGradient"; }

    // The start colour, the colour of band 0.
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color value) { SetProperty(color_, value); }
    // The end colour, the colour of the last band.
    fw::Color EndColor() const { return endColor_; }
    void SetEndColor(fw::Color value) { SetProperty(endColor_, value); }
    // The number of bands in two-colour mode (2 to 236 in use; 0 gives no band).
    std::uint8_t ColorCount() const { return colorCount_; }
    void SetColorCount(std::uint8_t value) { SetProperty(colorCount_, value); }
    TLMDGradientStyle Style() const { return style_; }
    void SetStyle(TLMDGradientStyle value) { SetProperty(style_, value); }
    // True: bands between Color and EndColor; False: bands through the colour stops.
    bool TwoColors() const { return twoColors_; }
    void SetTwoColors(bool value) { SetProperty(twoColors_, value); }
    // Paint through a logical palette of the band colours, made for each paint from them
    // (only painting needs it, and so the gradient itself stays free of the platform).
    bool PaletteRealize() const { return paletteRealize_; }
    void SetPaletteRealize(bool value) { SetProperty(paletteRealize_, value); }

    // The colour stops of multi-colour mode.
    const std::vector<fw::Color>& ColorList() const { return colorList_; }
    void SetColorList(const std::vector<fw::Color>& stops) { SetProperty(colorList_, stops); }
    // The stored form of the stops: a list of integers, kept only when there are stops.
    bool StoreColorList() const { return !colorList_.empty(); }
    std::vector<std::int32_t> WriteColorList() const;
    // Replaces the stops with the stored ones; always ends with one Change.
    void ReadColorList(const std::vector<std::int32_t>& values);

    // The band colours as plain colours, band 0 first.
    const std::vector<fw::Color>& BandColors() const { return bandColors_; }
    // Recomputes the band colours from the current settings and system colours.
    void BuildColors();

    // Copies every setting inside one update, so exactly one Change results.
    void Assign(const TLMDObject& source) override;
    // Rebuilds the bands, then tells the owner.
    void Change() override;

private:
    fw::SystemColorLookup systemColors_;
    fw::Color color_ = fw::clBlue;
    fw::Color endColor_ = fw::clBlack;
    std::uint8_t colorCount_ = 16;
    TLMDGradientStyle style_ = gstVertical;
    bool twoColors_ = true;
    bool paletteRealize_ = false;
    std::vector<fw::Color> colorList_;
    std::vector<fw::Color> bandColors_;
};
