// What a write or a restore did: on stdout the line `done` and where the replaced table was
// kept (or that the table already held those bytes), then the rows past the third that the
// replaced table had and the new one lacks; on stderr a warning when the replace may not yet
// be on the disk. The exit code is success: the table was replaced.
#pragma once

#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/Language.h"
#include "game/TableWriter.h"

namespace cli {

// `newRows`: the labels of the new table's rows past the third.
int ReportWrite(Console& console, Language language, const game::WriteResult& result, const std::string& done,
                const std::vector<std::string>& newRows);

}  // namespace cli
