#include "widgets/fill/LMDGradient.h"

#include "widgets/fill/LMDGradientMath.h"

TLMDGradient::TLMDGradient(fw::SystemColorLookup systemColors) : systemColors_(systemColors)
{
    BuildColors();
}

std::vector<std::int32_t> TLMDGradient::WriteColorList() const
{
    return std::vector<std::int32_t>(colorList_.begin(), colorList_.end());
}

void TLMDGradient::ReadColorList(const std::vector<std::int32_t>& values)
{
    colorList_.assign(values.begin(), values.end());
    Change();
}

void TLMDGradient::BuildColors()
{
    auto resolve = [this](fw::Color c) { return fw::ResolveColor(c, systemColors_); };
    std::vector<fw::Color> stops;
    stops.reserve(colorList_.size());
    for (fw::Color stop : colorList_)
        stops.push_back(resolve(stop));
    bandColors_ = lmd::BandColors(twoColors_, resolve(color_), resolve(endColor_), colorCount_, stops);
}

void TLMDGradient::Assign(const TLMDObject& source)
{
    AssignAs<TLMDGradient>(source, [this](const TLMDGradient& other) {
        SetColorCount(other.colorCount_);
        SetColor(other.color_);
        SetStyle(other.style_);
        SetEndColor(other.endColor_);
        SetPaletteRealize(other.paletteRealize_);
        SetTwoColors(other.twoColors_);
        SetColorList(other.colorList_);
    });
}

void TLMDGradient::Change()
{
    BuildColors();
    TLMDObject::Change();
}
