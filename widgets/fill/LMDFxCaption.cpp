#include "widgets/fill/LMDFxCaption.h"

void TLMDFxCaption::Assign(const TLMDObject& source)
{
    AssignAs<TLMD3DCaption>(source, [this](const TLMD3DCaption& other) {
        AssignCaption(other);
        if (const auto* fx = dynamic_cast<const TLMDFxCaption*>(&other)) {
            SetAngle(fx->angle_);
            SetPosX(fx->posX_);
            SetPosY(fx->posY_);
        }
    });
}
