// Code page 1251 text from UTF-8 source literals, converted while compiling:
//   std::string_view title = "Ловушки"_cp1251;
// A character that code page 1251 lacks stops the build.
#pragma once

#include <cstddef>
#include <string_view>

namespace fw {

namespace detail {

// Code page 1251 bytes 0x80..0xBF as Unicode code points.
inline constexpr char32_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFF, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

consteval unsigned char ToCp1251(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (kCp1251High[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    throw "character not in code page 1251";
}

template <std::size_t N>
struct Cp1251Text {
    char data[N] = {};
    std::size_t size = 0;

    consteval Cp1251Text(const char (&utf8)[N])
    {
        std::size_t i = 0;
        while (i + 1 < N) {
            unsigned char c = static_cast<unsigned char>(utf8[i]);
            char32_t cp;
            int extra;
            if (c < 0x80) { cp = c; extra = 0; }
            else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
            else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
            else { cp = c & 0x07; extra = 3; }
            ++i;
            for (int k = 0; k < extra; ++k, ++i)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
            data[size++] = static_cast<char>(ToCp1251(cp));
        }
    }
};

}  // namespace detail

inline namespace literals {
template <detail::Cp1251Text T>
constexpr std::string_view operator""_cp1251()
{
    return std::string_view(T.data, T.size);
}
}  // namespace literals

}  // namespace fw
