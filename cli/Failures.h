// The command's one-line reports on stderr, shared by its subcommands: "xptable: " first,
// outside data shown safely, and the exit code that goes with them.
#pragma once

#include <functional>
#include <string>

#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/Language.h"
#include "framework/Exceptions.h"

namespace cli {

// Says `what` on stderr as one line after "xptable: " and returns `code`.
int Report(Console& console, ExitCode code, const std::string& what);

// The reason a file operation failed in the system's words (POSIX: "No space left on
// device"; Windows: the window's "I/O error 32."), in the command's language, after the
// place it concerns.
std::string FileFailureText(const std::string& place, const fw::EInOutError& error, Language language);

// True for a game folder, one with chitin.key in it; otherwise says why `path` is none.
bool RequireGame(const std::string& path, Console& console, Language language);

// Wrong usage found after parsing: the reason, the value and the hint; returns exit code 2.
int UsageFailure(Console& console, Language language, const std::string& what);

// Runs `body`, turning the reader's and the file layer's failures into exit code 1 with
// their line on stderr; `place` names what a file failure concerns.
int Guarded(Console& console, Language language, const std::string& place, const std::function<int()>& body);

}  // namespace cli
