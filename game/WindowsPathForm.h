// How the Win32 file layer writes a path for the system, worked out without the system:
// which paths Windows would still change (those are made full with GetFullPathNameW
// first) and the long-path form of a full one. Free of <windows.h>, so every form is
// tested on every build; Wine opens long paths without the prefix, so only these tests
// show that it is added.
#pragma once

#include <string>
#include <string_view>

namespace game {

// "\\?\" with backslashes exactly: Windows takes the rest as it stands, no name changed.
bool IsVerbatimPath(std::wstring_view path);

// Whether Windows would change the path before using it: one relative to a current folder
// ("x", "\x", "C:x"), with a slash, an empty, "." or ".." name, or a device form written
// otherwise than "\\.\". A full path of plain names is used as it stands, so a name read
// from a folder reaches that entry even when it ends in a dot or a space.
bool NeedsMakingFull(std::wstring_view path);

// The long-path form of a full path, so that paths past 259 characters work whatever the
// system's setting: "C:\a" -> "\\?\C:\a", "\\server\share" -> "\\?\UNC\server\share",
// the device form "\\.\C:\a" -> "\\?\C:\a"; a verbatim path is kept as it is.
std::wstring LongPathForm(std::wstring fullPath);

}  // namespace game
