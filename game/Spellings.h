// Names in any letter case: the engine's resource names are ASCII and Windows ignores case,
// while a POSIX file system may hold several spellings of one name side by side.
#pragma once

#include <string_view>
#include <vector>

#include "framework/Exceptions.h"
#include "game/FileSystem.h"
#include "game/Paths.h"

namespace game {

// The entries of `folder` whose name equals `name` but for ASCII letter case, whatever
// their kind, as full paths sorted by name. Windows gives at most one; a case-sensitive
// file system may give several. None when the folder is missing or cannot be read.
std::vector<Path> FindSpellings(FileSystem& files, const Path& folder, std::string_view name);

// More than one letter-case spelling of a name in a folder (case-sensitive file systems):
// which one the game reads cannot be told, so none is written. The window shows
// "Invalid filename"; what() names them.
class SpellingConflict : public fw::EInOutError {
public:
    explicit SpellingConflict(std::vector<Path> spellings);
    const std::vector<Path>& Spellings() const { return spellings_; }
    const char* what() const noexcept override { return detail_.c_str(); }

private:
    std::vector<Path> spellings_;
    std::string detail_;
};

// The entry of that name in the folder under the spelling it has on the disk, or the name
// as given when there is none. Raises SpellingConflict when there are several.
Path ResolveSpelling(FileSystem& files, const Path& folder, std::string_view name);

}  // namespace game
