// Conversions between the program's single-byte text (code page 1251) and the
// platform's UTF-16, always with code page 1251 whatever the system's ANSI page is.
#pragma once

#include <string>

namespace fw {

std::wstring Widen(const std::string& text);
// Characters that code page 1251 lacks become '?', never a look-alike letter.
std::string Narrow(const std::wstring& text);

}  // namespace fw
