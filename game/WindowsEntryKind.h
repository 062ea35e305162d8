// What an entry on a Windows disk is, from its attributes and its reparse tag. Free of
// <windows.h>, so the tags are tested on every build.
#pragma once

#include <cstdint>

#include "game/FileSystem.h"

namespace game {

// FILE_ATTRIBUTE_* values the kind depends on.
inline constexpr std::uint32_t kWinAttributeFolder = 0x10, kWinAttributeDevice = 0x40,
                               kWinAttributeReparsePoint = 0x400;

// Only a name-surrogate reparse point (a symbolic link, a junction, a mount point: the bit
// IsReparseTagNameSurrogate tests) stands for another name and counts as a link; a file or
// folder with any other tag (deduplicated, a cloud placeholder) is what it is. The tag
// counts only with kWinAttributeReparsePoint set.
EntryKind KindOfWindowsEntry(std::uint32_t attributes, std::uint32_t reparseTag);

}  // namespace game
