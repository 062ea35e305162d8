// The reader's errors worded in the command's language, from the values they carry: the
// file, the offset where known, and what is wrong.
#pragma once

#include <string>

#include "cli/Language.h"
#include "game/ReadError.h"

namespace cli {

std::string ReadErrorText(const game::ReadError& error, Language language);

}  // namespace cli
