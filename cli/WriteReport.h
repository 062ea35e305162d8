// What a write or a restore did, on stdout: the line `done` and where the replaced table was
// kept, or that the table already held those bytes.
#pragma once

#include <string>

#include "cli/Language.h"
#include "game/TableWriter.h"

namespace cli {

std::string WriteReport(const game::WriteResult& result, const std::string& done, Language language);

}  // namespace cli
