// A UTF-16 hint carried through the framework's single-byte hint, without the Windows API.
#pragma once

#include <string>

// The single-byte form, a zero byte, the UTF-16 units (little-endian, no terminator), the
// 16-bit value 0, then the 16-bit value 0xFFFE: a + 2w + 5 bytes. A plain hint window
// shows the single-byte part, up to the first zero byte.
std::string EncodeHint(const std::string& narrow, const std::u16string& wide);
