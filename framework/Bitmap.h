// A picture held as 32-bit pixels (0x00RRGGBB, rows from the top), independent of any
// device: glyphs, images and icons are composed from it in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Color.h"

namespace fw {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, std::uint32_t fill = 0);
    // Pixels given as 0x00RRGGBB, row after row from the top; throws when the count is wrong.
    Bitmap(int width, int height, std::vector<std::uint32_t> pixels);

    // Reads a .bmp file image (1, 4, 8, 24 or 32 bits, uncompressed); throws EReadError.
    static Bitmap FromBmp(const std::uint8_t* data, std::size_t size);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t pixel) { pixels_[Index(x, y)] = pixel; }

    // The part [x, x + width) of the picture (one glyph of a strip).
    Bitmap Section(int x, int y, int width, int height) const;
    // The pixel colour treated as see-through: the bottom-left pixel, as glyph strips use.
    std::uint32_t TransparentPixel() const { return Empty() ? 0 : Pixel(0, height_ - 1); }

    // A greyed version: dark pixels become an embossed shadow, the rest see-through.
    // Pixels equal to `transparent` stay `transparent`.
    Bitmap Disabled(std::uint32_t transparent, std::uint32_t shadow, std::uint32_t highlight) const;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Composes `source` onto `target` (both 0x00RRGGBB, `targetStride` pixels per row) at
// (x, y), clipped to the target; pixels equal to `transparent` are skipped unless
// `useTransparent` is false.
void BlendPicture(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y, const Bitmap& source,
                  bool useTransparent, std::uint32_t transparent);

}  // namespace fw
