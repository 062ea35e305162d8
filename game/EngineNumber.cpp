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

// Read through a pointer, each character once: in the fuzz build every index is checked,
// and each check is a call.
NumberReading Convert(std::string_view text, int base)
{
    NumberReading r;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsSpace(*p))
        ++p;
    bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    bool hexPrefix = end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitValue(p[2]) < 16;
    if (base == 0)
        base = hexPrefix ? 16 : (p != end && *p == '0' ? 8 : 10);
    if (base == 16 && hexPrefix)
        p += 2;
    r.base = base;
    const std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    const char* const digits = p;
    for (; p != end; ++p) {
        const int digit = DigitValue(*p);
        if (digit >= base)
            break;
        magnitude = std::min(magnitude * base + digit, limit);
    }
    r.anyDigits = p != digits;
    r.trailing = p != end;
    std::int64_t value = negative ? -magnitude : magnitude;
    r.value = static_cast<std::int32_t>(std::min<std::int64_t>(value, limit - 1));
    return r;
}

}  // namespace

NumberReading ReadEngineNumber(std::string_view text) { return Convert(text, 0); }

std::int32_t ReadDecimal(std::string_view text) { return Convert(text, 10).value; }

}  // namespace game
