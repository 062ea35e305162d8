// What `xptable write` puts into each activity's column: a template of the window's
// list, or the game's current values, with values typed over levels 1, 2, ...
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/TableReading.h"

namespace cli {

struct Choice {
    std::optional<int> listIndex;     // 0-5 of the activity's list; none for "current"
    std::vector<std::string> values;  // typed over levels 1, 2, ... as the window's grid holds them
};

// A choice the command cannot take; `value` is the part of the text at fault.
struct ChoiceError {
    enum Kind { NotAChoice, EmptyValue, NotDigits, TooLong, TooMany };
    Kind kind;
    std::string value;
};

// "3", "current", "5:1234,7", "current:0,0". Returns the error instead when the text is wrong.
// `levels` is how many levels the activity's column holds (40, or 9 for scrolls).
std::optional<ChoiceError> ParseChoice(std::string_view text, int levels, Choice& choice);

// The finding that keeps the game's current row from being written back as it is read,
// or none. A game with no table gives the finding "missing".
std::optional<game::Finding> CurrentRefusal(const game::TableReading& current, game::Activity activity);

// The file the window writes for these three columns. `current` is needed only where a
// choice is "current" (and must then have passed CurrentRefusal).
std::string TableBytes(const std::array<Choice, game::kTableRows>& byActivity, const game::TableReading* current);

}  // namespace cli
