#include "game/EngineNumber.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace game {

namespace {

// Each byte's digit value in bases up to 36, 99 for none: one look-up a character, where
// three range tests would each be a branch.
constexpr std::array<unsigned char, 256> kDigitValues = [] {
    std::array<unsigned char, 256> values{};
    values.fill(99);
    for (int c = '0'; c <= '9'; ++c)
        values[std::size_t(c)] = static_cast<unsigned char>(c - '0');
    for (int c = 'a'; c <= 'z'; ++c)
        values[std::size_t(c)] = values[std::size_t(c - 'a' + 'A')] = static_cast<unsigned char>(c - 'a' + 10);
    return values;
}();

int DigitValue(char c) { return kDigitValues[static_cast<unsigned char>(c)]; }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

NumberReading Convert(std::string_view text, int base)
{
    NumberReading r;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool hexPrefix = i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                     DigitValue(text[i + 2]) < 16;
    if (base == 0)
        base = hexPrefix ? 16 : (i < text.size() && text[i] == '0' ? 8 : 10);
    if (base == 16 && hexPrefix)
        i += 2;
    r.base = base;
    const std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        r.anyDigits = true;
        magnitude = std::min(magnitude * base + DigitValue(text[i]), limit);
    }
    r.trailing = i < text.size();
    std::int64_t value = negative ? -magnitude : magnitude;
    r.value = static_cast<std::int32_t>(std::min<std::int64_t>(value, limit - 1));
    return r;
}

}  // namespace

NumberReading ReadEngineNumber(std::string_view text) { return Convert(text, 0); }

std::int32_t ReadDecimal(std::string_view text) { return Convert(text, 10).value; }

}  // namespace game
