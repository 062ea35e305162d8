// The three activities as the command names them, and the window's texts for them.
#pragma once

#include <string>
#include <string_view>

#include "cli/Language.h"
#include "game/TableReading.h"

namespace cli {

// "locks", "traps", "scrolls": the JSON names.
std::string_view ActivityKey(game::Activity activity);
// "Locks" in English; the window's column title in Russian.
std::string ActivityName(game::Activity activity, Language language);
// The window's bonus table column of the activity.
int ActivityColumn(game::Activity activity);
// The window's list text of choice 0..6 for the activity, as UTF-8.
std::string ChoiceTextUtf8(game::Activity activity, int choice);

}  // namespace cli
