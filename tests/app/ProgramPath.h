// The program file the tests start or read.
#pragma once

#include <string>

namespace apptest {

// XP_PROGRAM names it (the release check points it at the copy in the zip); otherwise it
// is the program built beside the tests.
std::wstring ProgramPath();

}  // namespace apptest
