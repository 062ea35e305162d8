#include "app/ContainerTemplates.h"

#include "framework/Exceptions.h"
#include "widgets/fill/LMDStringList.h"

namespace app {

std::vector<std::string> ContainerTemplates::Lines(int position) const
{
    auto* item = dynamic_cast<const TLMDStringListItem*>(container_.Item(position));
    if (!item)
        throw fw::EConvertError::CannotAssign(container_.Item(position)->ClassName(), "TStrings");
    return item->Items().lines();
}

}  // namespace app
