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

Bitmap Bitmap::FromBmp(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < 14 + 40 || data[0] != 'B' || data[1] != 'M')
        throw EReadError("Bitmap image is not valid");
    const std::uint32_t offBits = ReadLe(data + 10, 4);
    const std::uint8_t* h = data + 14;
    const std::uint32_t headerSize = ReadLe(h, 4);
    const std::int32_t width = static_cast<std::int32_t>(ReadLe(h + 4, 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(ReadLe(h + 8, 4));
    const int bits = static_cast<int>(ReadLe(h + 14, 2));
    const std::uint32_t compression = ReadLe(h + 16, 4);
    std::uint32_t colorsUsed = ReadLe(h + 32, 4);
    if (headerSize < 40 || width <= 0 || rawHeight == 0 || width > 16384 || rawHeight > 16384 ||
        rawHeight < -16384 || compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        throw EReadError("Bitmap image is not valid");
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (bits <= 8 && (colorsUsed == 0 || colorsUsed > (1u << bits)))
        colorsUsed = 1u << bits;
    if (bits > 8)
        colorsUsed = 0;
    // Every check subtracts from the size already known to fit, so none can wrap on the
    // 32-bit program (colorsUsed is at most 256 and the stride at most 64 KiB by now).
    if (headerSize > size - 14 || colorsUsed * 4u > size - 14 - headerSize)
        throw EReadError("Bitmap image is not valid");
    const std::size_t paletteAt = 14 + static_cast<std::size_t>(headerSize);
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (offBits > size || stride > (size - offBits) / static_cast<std::size_t>(height))
        throw EReadError("Bitmap image is not valid");

    Bitmap result(width, height);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* line = data + offBits + stride * static_cast<std::size_t>(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel;
            if (bits == 24 || bits == 32) {
                const std::uint8_t* p = line + static_cast<std::size_t>(x) * (bits / 8);
                pixel = (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
            } else {
                const int bitPos = x * bits;
                const int shift = 8 - bits - (bitPos % 8);
                const std::uint32_t index = (line[bitPos / 8] >> shift) & ((1u << bits) - 1);
                if (index >= colorsUsed)
                    throw EReadError("Bitmap image is not valid");
                const std::uint8_t* q = data + paletteAt + index * 4u;
                pixel = (static_cast<std::uint32_t>(q[2]) << 16) | (static_cast<std::uint32_t>(q[1]) << 8) | q[0];
            }
            result.SetPixel(x, row, pixel);
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
