#include "game/WindowsEntryKind.h"

namespace game {

EntryKind KindOfWindowsEntry(std::uint32_t attributes, std::uint32_t reparseTag)
{
    constexpr std::uint32_t kNameSurrogate = 0x20000000;
    // Writing through one of these writes somewhere else.
    if ((attributes & kWinAttributeReparsePoint) && (reparseTag & kNameSurrogate))
        return EntryKind::Link;
    if (attributes & kWinAttributeFolder)
        return EntryKind::Folder;
    return attributes & kWinAttributeDevice ? EntryKind::Other : EntryKind::File;
}

}  // namespace game
