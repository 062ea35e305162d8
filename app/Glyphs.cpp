#include "app/Glyphs.h"

#include <cstdint>
#include <cstring>

namespace app {

namespace {

// The see-through colour: glyphs take it from their bottom-left pixel.
const std::uint32_t kClear = 0x808000;

std::uint32_t Colour(char c)
{
    switch (c) {
    case 'k': return 0x000000;
    case 'b': return 0x000080;  // navy
    case 'B': return 0x2050C0;
    case 'w': return 0xFFFFFF;
    case 's': return 0xC0C0C0;
    case 'g': return 0x808080;
    default: return kClear;
    }
}

fw::Bitmap FromRows(const char* const* rows, int width, int height)
{
    fw::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, Colour(rows[y][x]));
    return picture;
}

}  // namespace

fw::Bitmap AboutGlyph()
{
    static const char* const rows[14] = {
        "....BBBBBB....",
        "..BBBBBBBBBB..",
        ".BBBBBwwBBBBB.",
        ".BBBBBwwBBBBB.",
        "BBBBBBBBBBBBBB",
        "BBBBBwwwBBBBBB",
        "BBBBBBwwBBBBBB",
        "BBBBBBwwBBBBBB",
        "BBBBBBwwBBBBBB",
        "BBBBBBwwBBBBBB",
        ".BBBBBwwBBBBB.",
        ".BBBBwwwwBBBB.",
        "..BBBBBBBBBB..",
        "....BBBBBB....",
    };
    return FromRows(rows, 14, 14);
}

fw::Bitmap WriteGlyphStrip()
{
    // A floppy disk.
    static const char* const rows[16] = {
        "...............",
        ".kkkkkkkkkkkkk.",
        ".kbbwwwwwwwbbk.",
        ".kbbwwwwwwwbbk.",
        ".kbbwwwwwwwbbk.",
        ".kbbwwwwwwwbbk.",
        ".kbbwwwwwwwbbk.",
        ".kbbbbbbbbbbbk.",
        ".kbbbbbbbbbbbk.",
        ".kbbsssssssbbk.",
        ".kbbsskksssbbk.",
        ".kbbsskksssbbk.",
        ".kbbsskksssbbk.",
        ".kkbsssssssbbk.",
        "..kkkkkkkkkkkk.",
        "...............",
    };
    fw::Bitmap normal = FromRows(rows, 15, 16);
    fw::Bitmap disabled = normal.Disabled(kClear, 0x808080, 0xFFFFFF);
    fw::Bitmap strip(30, 16, kClear);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x) {
            strip.SetPixel(x, y, normal.Pixel(x, y));
            strip.SetPixel(15 + x, y, disabled.Pixel(x, y));
        }
    return strip;
}

}  // namespace app
