// The texts of the main window's three template lists, in code page 1251: the window shows
// them, the command prints them (as UTF-8) beside the templates they load.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr int kChoiceCount = 7;  // six templates and the custom choice

// Choice 0..6 of the list for the given bonus table column (traps, locks or scrolls):
// items 0 to 4 and 6 are the same in every list, item 5 names the list's activity.
// Empty for anything else.
std::string_view ChoiceText(int column, int choice);

// The seven items of the column's list, in order.
std::vector<std::string> ChoiceTexts(int column);

}  // namespace app
