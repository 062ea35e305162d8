// The program file the tests start or read, and finding its windows.
#pragma once

#include <windows.h>

#include <string>

namespace apptest {

// XP_PROGRAM names it (the release check points it at the copy in the zip); otherwise it
// is the program built beside the tests.
std::wstring ProgramPath();

// A visible top-level window of the process (of the class, if given), or nullptr.
HWND VisibleWindowOf(DWORD process, const wchar_t* className);

}  // namespace apptest
