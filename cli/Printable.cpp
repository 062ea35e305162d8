#include "cli/Printable.h"

#include <cstdio>

namespace cli {

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0 for a byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    auto tail = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return tail(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms (E0 needs A0 on) and no surrogates (ED stops at 9F).
        bool second = lead == 0xE0 ? tail(at + 1, 0xA0) : lead == 0xED ? tail(at + 1, 0x80, 0x9F) : tail(at + 1);
        return second && tail(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bool second = lead == 0xF0 ? tail(at + 1, 0x90) : lead == 0xF4 ? tail(at + 1, 0x80, 0x8F) : tail(at + 1);
        return second && tail(at + 2) && tail(at + 3) ? 4 : 0;
    }
    return 0;
}

bool IsControl(std::string_view sequence)
{
    auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    // U+0080 to U+009F: C2 80 to C2 9F.
    return sequence.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(sequence[1]) <= 0x9F;
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (char c : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        out += hex;
    }
}

}  // namespace

std::string Printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = SequenceLength(text, at);
        std::string_view sequence = text.substr(at, length ? length : 1);
        if (length == 0 || IsControl(sequence))
            AppendEscaped(out, sequence);
        else
            out += sequence;
        at += sequence.size();
    }
    return out;
}

}  // namespace cli
