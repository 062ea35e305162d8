#include "widgets/fill/LMDCustomComponent.h"

#include "framework/Exceptions.h"

bool TLMDCustomComponent::InheritsFrom(const std::string& className) const
{
    return className == "TLMDCustomComponent" || className == fw::Component::ClassName();
}

void TLMDCustomComponent::Assign(const fw::Component& source)
{
    throw fw::EConvertError::CannotAssign(source.ClassName(), ClassName());
}

void TLMDCustomComponent::EndUpdate(bool notify)
{
    updating_ = false;
    if (notify)
        Change();
}

void TLMDCustomComponent::Change()
{
    if (ChangeSuppressed())
        return;
    // A copy, so a handler may replace itself.
    if (TNotifyEvent handler = onChange_)
        handler(this);
}
