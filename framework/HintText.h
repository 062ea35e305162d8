// The two parts of a hint, "short|long", without the Windows API.
#pragma once

#include <string>

namespace fw {

// The part before the first "|", or the whole hint when it has none.
std::string ShortHint(const std::string& hint);
// The part after the first "|", or the whole hint when it has none.
std::string LongHint(const std::string& hint);

}  // namespace fw
