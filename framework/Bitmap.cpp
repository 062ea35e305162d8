#include "framework/Bitmap.h"

#include <algorithm>

#include "framework/Exceptions.h"

namespace fw {

namespace {

std::uint32_t ReadLe(const std::uint8_t* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

int Luminance(std::uint32_t pixel)
{
    int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return (r * 30 + g * 59 + b * 11) / 100;
}

}  // namespace

Bitmap::Bitmap(int width, int height, std::uint32_t fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill)
{
}

Bitmap::Bitmap(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(std::max(0, width)), height_(std::max(0, height)), pixels_(std::move(pixels))
{
    if (pixels_.size() != static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))
        throw Exception("Invalid bitmap size");
}

namespace {

// What the reader needs of a .bmp file, checked against the buffer it came in.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteAt = 0;
    std::size_t pixelsAt = 0;
    std::size_t stride = 0;
};

BmpLayout ReadLayout(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < 14 + 40 || data[0] != 'B' || data[1] != 'M')
        throw EReadError("Bitmap image is not valid");
    const std::uint8_t* h = data + 14;
    const std::uint32_t headerSize = ReadLe(h, 4);
    const std::int32_t width = static_cast<std::int32_t>(ReadLe(h + 4, 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(ReadLe(h + 8, 4));
    BmpLayout l;
    l.bits = static_cast<int>(ReadLe(h + 14, 2));
    if (headerSize < 40 || width <= 0 || rawHeight == 0 || width > 16384 || rawHeight > 16384 ||
        rawHeight < -16384 || ReadLe(h + 16, 4) != 0 /* compressed */ ||
        (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24 && l.bits != 32))
        throw EReadError("Bitmap image is not valid");
    l.width = width;
    l.topDown = rawHeight < 0;
    l.height = l.topDown ? -rawHeight : rawHeight;
    l.colorsUsed = ReadLe(h + 32, 4);
    if (l.bits <= 8 && (l.colorsUsed == 0 || l.colorsUsed > (1u << l.bits)))
        l.colorsUsed = 1u << l.bits;
    if (l.bits > 8)
        l.colorsUsed = 0;
    // Every check subtracts from the size already known to fit, so none can wrap on the
    // 32-bit program (colorsUsed is at most 256 and the stride at most 64 KiB by now).
    if (headerSize > size - 14 || l.colorsUsed * 4u > size - 14 - headerSize)
        throw EReadError("Bitmap image is not valid");
    l.paletteAt = 14 + static_cast<std::size_t>(headerSize);
    l.pixelsAt = ReadLe(data + 10, 4);
    l.stride = ((static_cast<std::size_t>(l.width) * l.bits + 31) / 32) * 4;
    if (l.pixelsAt > size || l.stride > (size - l.pixelsAt) / static_cast<std::size_t>(l.height))
        throw EReadError("Bitmap image is not valid");
    return l;
}

}  // namespace

Bitmap Bitmap::FromBmp(const std::uint8_t* data, std::size_t size)
{
    const BmpLayout l = ReadLayout(data, size);
    Bitmap result(l.width, l.height);
    for (int row = 0; row < l.height; ++row) {
        const int fileRow = l.topDown ? row : l.height - 1 - row;
        const std::uint8_t* line = data + l.pixelsAt + l.stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < l.width; ++x) {
            const std::uint8_t* p;  // blue, green, red
            if (l.bits == 24 || l.bits == 32) {
                p = line + static_cast<std::size_t>(x) * (l.bits / 8);
            } else {
                const int bitPos = x * l.bits;
                const int shift = 8 - l.bits - (bitPos % 8);
                const std::uint32_t index = (line[bitPos / 8] >> shift) & ((1u << l.bits) - 1);
                if (index >= l.colorsUsed)
                    throw EReadError("Bitmap image is not valid");
                p = data + l.paletteAt + index * 4u;
            }
            result.SetPixel(x, row,
                            (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0]);
        }
    }
    return result;
}

Bitmap Bitmap::Section(int x, int y, int width, int height) const
{
    Bitmap out(width, height);
    for (int row = 0; row < out.height_; ++row)
        for (int col = 0; col < out.width_; ++col) {
            const int sx = x + col, sy = y + row;
            if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_)
                out.SetPixel(col, row, Pixel(sx, sy));
        }
    return out;
}

Bitmap Bitmap::Disabled(std::uint32_t transparent, std::uint32_t shadow, std::uint32_t highlight) const
{
    Bitmap out(width_, height_, transparent);
    // The highlight first, one pixel down and right, so the shadow lies over it.
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const std::uint32_t p = Pixel(x, y);
                if (p == transparent || Luminance(p) >= 192)
                    continue;
                if (pass == 0) {
                    if (x + 1 < width_ && y + 1 < height_)
                        out.SetPixel(x + 1, y + 1, highlight);
                } else {
                    out.SetPixel(x, y, shadow);
                }
            }
    return out;
}

void BlendPicture(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y, const Bitmap& source,
                  bool useTransparent, std::uint32_t transparent)
{
    const int x0 = std::max(0, -x), y0 = std::max(0, -y);
    const int x1 = std::min(source.Width(), targetWidth - x), y1 = std::min(source.Height(), targetHeight - y);
    for (int sy = y0; sy < y1; ++sy) {
        std::uint32_t* line = target + static_cast<std::size_t>(y + sy) * static_cast<std::size_t>(targetWidth);
        for (int sx = x0; sx < x1; ++sx) {
            const std::uint32_t p = source.Pixel(sx, sy) & 0x00FFFFFFu;
            if (useTransparent && p == (transparent & 0x00FFFFFFu))
                continue;
            line[x + sx] = p;
        }
    }
}

}  // namespace fw
