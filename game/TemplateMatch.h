// Which of the program's templates a row of the game's table equals.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/TableReading.h"

namespace game {

// The window's bonus table column that holds the activity.
int GridColumn(Activity activity);

// The list index 0-5 of the activity's template equal to the levels at every level the
// engine uses (1-40; 1-9 for scrolls), or none.
std::optional<int> MatchTemplate(Activity activity, const std::array<std::int32_t, kLevels>& levels);

}  // namespace game
