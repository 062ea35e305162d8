// The command `xptable`: its arguments, its subcommands and its exit codes.
#pragma once

#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

enum ExitCode { kSuccess = 0, kDataFailure = 1, kUsage = 2 };

// Runs the command on its arguments (UTF-8, without the program's name) and returns the
// exit code. Never throws.
int RunCommand(const std::vector<std::string>& args, Console& console, Language language);

}  // namespace cli
