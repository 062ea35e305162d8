#include "widgets/fill/LMDBevel.h"

namespace {

// The width of one bevel ring of the custom mode; a frame has one more pixel.
int RingWidth(TLMDBevelStyle style, int width)
{
    if (style == bvNone)
        return 0;
    return width + ((style == bvFrameLowered || style == bvFrameRaised) ? 1 : 0);
}

// The platform's edges: one pixel for a single inner or outer edge, two for a pair.
int EdgeWidth(TLMDEdgeStyle style)
{
    switch (style) {
    case etNone:
        return 0;
    case etRaisedInner:
    case etRaisedOuter:
    case etSunkenInner:
    case etSunkenOuter:
        return 1;
    default:
        return 2;
    }
}

int StandardWidth(TLMDStandardStyle style)
{
    switch (style) {
    case lsNone:
        return 0;
    case lsSingleLowered:
    case lsSingleRaised:
        return 1;
    default:
        return 2;
    }
}

}  // namespace

int TLMDBevel::Extent() const
{
    switch (mode_) {
    case bmCustom:
        // A shadow inside stands alone: the outer parts do not count.
        if (styleInner_ == bvShadow)
            return widthInner_ + borderInnerWidth_;
        return borderWidth_ + borderInnerWidth_ + RingWidth(styleOuter_, widthOuter_) +
               RingWidth(styleInner_, widthInner_);
    case bmStandard:
        return StandardWidth(standardStyle_);
    case bmEdge:
        return EdgeWidth(edgeStyle_);
    case bmWindows:
        // The platform's sunken client edge.
        return 2;
    }
    return 0;
}

void TLMDBevel::Assign(const TLMDObject& source)
{
    AssignAs<TLMDBevel>(source, [this](const TLMDBevel& other) {
        SetMode(other.mode_);
        SetStyleInner(other.styleInner_);
        SetStyleOuter(other.styleOuter_);
        SetWidthInner(other.widthInner_);
        SetWidthOuter(other.widthOuter_);
        SetBorderWidth(other.borderWidth_);
        SetBorderInnerWidth(other.borderInnerWidth_);
        SetBorderColor(other.borderColor_);
        SetLightColor(other.lightColor_);
        SetShadowColor(other.shadowColor_);
        SetBorderSides(other.borderSides_);
        SetEdgeStyle(other.edgeStyle_);
        SetStandardStyle(other.standardStyle_);
    });
}
