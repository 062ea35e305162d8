// Where an archive named in the KEY lies: only inside the game folder, in the folders the
// engine searches, in any letter case, with the .cbf name as the fallback at each one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/FileSystem.h"
#include "game/Paths.h"

namespace game {

// The name's folder and file parts, after refusing anything that could leave the game
// folder or name a device. Throws ReadError (naming `key` and `offset`) for such a name.
std::vector<std::string> SafeArchiveParts(std::string_view name, const Path& key, std::uint64_t offset);

// True for CON, PRN, AUX, NUL, COM1-9 and LPT1-9, with or without an extension.
bool IsReservedDeviceName(std::string_view part);

// The folders searched, relative to the game folder, in order: "", data, CD1..CD6, data/CD1..CD6.
const std::vector<std::vector<std::string>>& ArchiveFolders();

struct ArchiveSearch {
    std::optional<Path> found;
    std::vector<Path> tried;  // the folders looked in
};

ArchiveSearch LocateArchive(FileSystem& files, const Path& gameFolder, const std::vector<std::string>& parts);

}  // namespace game
