// How the engine turns a cell's text into a number: C's conversion with base 0 (a leading
// 0x is hex, a leading 0 octal), stopping at the first character that is not a digit,
// clamped to the int range. Written out here so that no locale can change it.
#pragma once

#include <cstdint>
#include <string_view>

namespace game {

struct NumberReading {
    std::int32_t value = 0;
    int base = 10;            // 16, 8 or 10, as the prefix chose
    bool anyDigits = false;   // false: the text holds no number at all
    bool trailing = false;    // text follows the digits
};

NumberReading ReadEngineNumber(std::string_view text);
// The same text read in base 10, as a person reads it.
std::int32_t ReadDecimal(std::string_view text);

}  // namespace game
