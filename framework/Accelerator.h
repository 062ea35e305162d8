// Keyboard accelerators of captions ("&Jump" is reached with J), without the Windows API.
#pragma once

#include <string>

namespace fw {

// The accelerator of a caption: the character after the first single "&" ("&&" is a
// plain ampersand); '\0' when there is none.
char AcceleratorOf(const std::string& caption);
// Whether `key` is the caption's accelerator, regardless of letter case (code page 1251,
// Cyrillic letters included).
bool IsAccel(char key, const std::string& caption);
// The upper-case form of a code page 1251 letter; other characters as they are.
char UpperCp1251(char c);

}  // namespace fw
