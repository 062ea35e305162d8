// The templates read by position from the string-list container that the main
// window's description carries.
#pragma once

#include "table/Templates.h"

class TLMDStringList;

namespace app {

class ContainerTemplates : public TemplateSource {
public:
    explicit ContainerTemplates(const TLMDStringList& container) : container_(container) {}
    // Raises the list error for a position the container does not hold.
    std::vector<std::string> Lines(int position) const override;

private:
    const TLMDStringList& container_;
};

}  // namespace app
