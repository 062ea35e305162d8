// Which of the program's templates a row of values equals, and where an activity stands in
// the window's bonus table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "table/Activity.h"
#include "table/CellAccess.h"

namespace app {

// The window's bonus table column that holds the activity.
int GridColumn(Activity activity);

// The list index 0-5 of the activity's template equal to `levels` at every level the
// template holds (1-40; 1-9 for scrolls), or none.
std::optional<int> MatchTemplate(Activity activity, const std::array<std::int32_t, kLevelCount>& levels);

}  // namespace app
