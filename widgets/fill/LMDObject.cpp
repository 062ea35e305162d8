#include "widgets/fill/LMDObject.h"

#include "framework/Exceptions.h"

void TLMDObject::Assign(const TLMDObject& source)
{
    throw fw::EConvertError::CannotAssign(source.ClassName(), ClassName());
}

void TLMDObject::EndUpdate(bool notify)
{
    updating_ = false;
    if (notify)
        Change();
}

void TLMDObject::Change()
{
    if (updating_)
        return;
    // A copy, so a handler may replace itself.
    if (TLMDObjectEvent handler = onChange_)
        handler(this);
}
