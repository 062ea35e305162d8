// The program's own icon resources, each loaded once in each size and kept until the program
// ends: a window class may hold one, and several windows may show the same picture.
#pragma once

#include <windows.h>

namespace fw {

// The icon resource `name` of the program in `size` pixels (the size it is stored in is
// picked); null when there is no such resource. The caller must not destroy it.
HICON ProgramIcon(const wchar_t* name, int size);

}  // namespace fw
