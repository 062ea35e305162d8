#include "widgets/fill/LMD3DCaption.h"

void TLMD3DCaption::Assign(const TLMDObject& source)
{
    const auto* other = dynamic_cast<const TLMD3DCaption*>(&source);
    if (!other) {
        TLMDObject::Assign(source);
        return;
    }
    BeginUpdate();
    AssignCaption(*other);
    EndUpdate(true);
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
