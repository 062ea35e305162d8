// Text from outside (the game's files, paths, arguments) made safe to print on a terminal:
// control characters (below 0x20, 0x7F, U+0080 to U+009F) and bytes that are not UTF-8 are
// shown byte by byte as \xHH, so nothing in a game's files can move the cursor or recolour
// the terminal. Everything else, backslashes too, is kept as it is.
#pragma once

#include <string>
#include <string_view>

namespace cli {

std::string Printable(std::string_view text);

}  // namespace cli
