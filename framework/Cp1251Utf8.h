// Code page 1251 text as UTF-8, without the platform: for output that is not a window,
// the same on every system.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The one byte the code page leaves undefined (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);

}  // namespace fw
