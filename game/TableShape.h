// What every reading of the game's table shares: its levels, the rows this tool writes (one
// for each activity, in the engine's order), and a finding about it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "table/Activity.h"
#include "table/CellAccess.h"

namespace game {

inline constexpr int kLevels = app::kLevelCount;
inline constexpr std::size_t kTableRows = 3;

// The engine's rows, by position: 0 locks, 1 traps, 2 scrolls.
using app::Activity;

struct Finding {
    // Stable, e.g. "leading-zero", "row-order", "missing": always a string literal, so a
    // finding holds no copy of it.
    std::string_view code;
    std::optional<int> row;      // data-row position 0.., if the finding concerns a row
    std::optional<int> line;     // line in the file, counted from 1
    std::optional<int> level;    // level 1..40
    std::string message;         // one English sentence
};

}  // namespace game
