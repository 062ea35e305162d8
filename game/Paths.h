// Paths of the game's files: std::filesystem paths, so UTF-16 on Windows and the
// file system's bytes on POSIX.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace game {

using Path = std::filesystem::path;

// The names in a game folder that the engine and this tool go by, in any letter case.
inline constexpr char kKeyFileName[] = "chitin.key";
inline constexpr char kOverrideFolderName[] = "override";
inline constexpr char kTableFileName[] = "xpbonus.2da";

// The path as UTF-8 text, for messages and JSON (POSIX: the bytes as they are).
std::string ToUtf8(const Path& path);
// A path from UTF-8 text (POSIX: the bytes as they are).
Path FromUtf8(std::string_view text);

// Equal but for the letter case of ASCII letters (the engine's resource names are ASCII).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace game
