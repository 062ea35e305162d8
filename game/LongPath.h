// Windows: the long-path form of a path, so that paths past 259 characters work:
// "C:\a" -> "\\?\C:\a", "\\server\share" -> "\\?\UNC\server\share"; a path already in that
// form is kept. Raises EInOutError for a path that has no full form.
#pragma once

#include <string>

#include "game/Paths.h"

namespace game::files {

std::wstring LongForm(const Path& path);

}  // namespace game::files
