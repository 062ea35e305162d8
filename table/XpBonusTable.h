// The text of the game's table xpbonus.2da, built from the bonus table's cells.
#pragma once

#include <string>
#include <vector>

#include "table/CellAccess.h"

namespace app {

// The six lines, without line ends. Building a value row writes back into the cells:
// an empty cell becomes "0", and digits lose their leading zeros ("0250" -> "250"),
// so the grid shows what the file holds. Rows are built one after the other, so a
// caller that writes each line before building the next sees exactly the cells of
// the rows built so far changed.
std::string SignatureLine();      // "2DA V1.0"
std::string DefaultValueLine();   // "0"
std::string ColumnHeaderLine();   // 14 spaces, then the levels 1 to 40
std::string LocksRow(CellAccess& cells);
std::string TrapsRow(CellAccess& cells);
std::string ScrollsRow(CellAccess& cells);

// The line builders in the order the file holds them.
using RowBuilder = std::string (*)(CellAccess&);
const std::vector<RowBuilder>& XpBonusLineBuilders();

// The whole file: every line followed by CR LF.
std::string RenderXpBonusText(CellAccess& cells);

// The value as written: empty -> "0", leading zeros of a digit string removed.
std::string NormalizedValue(const std::string& cellText);

}  // namespace app
