#include "widgets/fill/LMDFxCaption.h"

void TLMDFxCaption::Assign(const TLMDObject& source)
{
    const auto* caption = dynamic_cast<const TLMD3DCaption*>(&source);
    if (!caption) {
        TLMDObject::Assign(source);
        return;
    }
    BeginUpdate();
    AssignCaption(*caption);
    if (const auto* fx = dynamic_cast<const TLMDFxCaption*>(caption)) {
        SetAngle(fx->angle_);
        SetPosX(fx->posX_);
        SetPosY(fx->posY_);
    }
    EndUpdate(true);
}
