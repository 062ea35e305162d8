// What a bonus value may hold: the decimal digits 0 to 9, and nothing else. The key
// filter, the paste filter and the file writer all ask here.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>

namespace app {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool AllDigits(const std::string& text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// The digits of `text` in their order, everything else dropped.
inline std::string DigitsOf(const std::string& text)
{
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

}  // namespace app
