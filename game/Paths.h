// Paths of the game's files: std::filesystem paths, so UTF-16 on Windows and the
// file system's bytes on POSIX, and the one rule for finding a name in any letter case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace game {

using Path = std::filesystem::path;

// The path as UTF-8 text, for messages and JSON (POSIX: the bytes as they are).
std::string ToUtf8(const Path& path);
// A path from UTF-8 text (POSIX: the bytes as they are).
Path FromUtf8(std::string_view text);

// Equal but for the letter case of ASCII letters (the engine's resource names are ASCII).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The entries of `folder` whose name equals `name` but for ASCII letter case, whatever
// their kind, as full paths sorted by name. Windows gives at most one; a case-sensitive
// file system may give several. None when the folder is missing or cannot be read.
std::vector<Path> FindSpellings(const Path& folder, std::string_view name);

}  // namespace game
