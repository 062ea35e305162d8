// The templates as the main window's description carries them: for each item of the
// template container its Description, its Ident and its stored "Internal" value.
#pragma once

#include <cstdint>
#include <vector>

class TLMDStringList;

namespace app {

struct StoredItemProperties {
    const char* description;
    std::uint16_t ident;
};

// The eighteen items in container order (position = Ident).
const std::vector<StoredItemProperties>& StoredTemplateProperties();
// Their "Internal" values, uncompressed, in the same order.
const std::vector<std::vector<unsigned char>>& StoredTemplateValues();

// Creates the eighteen items in the container, in order, the way the description
// reader does: inside the loading state, Description, Ident, then the stored value.
// Appends to whatever the container already holds.
void LoadTemplateContainer(TLMDStringList& container);

}  // namespace app
