#include "framework/Accelerator.h"

namespace fw {

namespace {

// Code page 1251 letters outside the two alphabet runs: lower case, then upper case.
const unsigned char kOtherPairs[][2] = {
    {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
    {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
    {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
};

}  // namespace

char UpperCp1251(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || u >= 0xE0)
        return static_cast<char>(u - 0x20);
    for (const auto& pair : kOtherPairs)
        if (u == pair[0])
            return static_cast<char>(pair[1]);
    return c;
}

char AcceleratorOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;  // "&&" shows one ampersand
    }
    return '\0';
}

bool IsAccel(char key, const std::string& caption)
{
    const char accel = AcceleratorOf(caption);
    return accel != '\0' && UpperCp1251(accel) == UpperCp1251(key);
}

}  // namespace fw
