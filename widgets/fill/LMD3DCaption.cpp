#include "widgets/fill/LMD3DCaption.h"

void TLMD3DCaption::Assign(const TLMDObject& source)
{
    AssignAs<TLMD3DCaption>(source, [this](const TLMD3DCaption& other) { AssignCaption(other); });
}

void TLMD3DCaption::AssignCaption(const TLMD3DCaption& other)
{
    SetStyle(other.style_);
    SetTracing(other.tracing_);
    SetDisabledStyle(other.disabledStyle_);
    SetLightDepth(other.lightDepth_);
    SetShadowDepth(other.shadowDepth_);
    SetLightColor(other.lightColor_);
    SetShadowColor(other.shadowColor_);
    SetOrientation(other.orientation_);
}
