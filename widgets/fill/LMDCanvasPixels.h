// The pixels behind a rectangle of a device context that draws into a 32-bit DIB section,
// so that a paint can read and write them in memory instead of making a bitmap of its own.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lmd {

class CanvasPixels {
public:
    // The part of `rect` (in the DC's coordinates) that drawing can reach: the rectangle cut
    // to the clip and to the bitmap; it may be empty. Nothing when the DC does not draw into
    // a 32-bit RGB DIB section through plain coordinates (text mapping mode, no world
    // transform, no mirroring), or when its clip is more than one rectangle.
    static std::optional<CanvasPixels> Of(HDC dc, const RECT& rect);

    // The reachable part, in the DC's coordinates at the time of Of.
    const RECT& Reach() const { return reach_; }
    int Width() const { return reach_.right - reach_.left; }
    int Height() const { return reach_.bottom - reach_.top; }
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // Row `y` of the reachable part, from its top; pixels 0x00RRGGBB. Call GdiFlush before
    // touching them after drawing through the DC.
    std::span<std::uint32_t> Row(int y) const;

    // The reachable part as an image of its own (row after row, no gaps) and back; and
    // all of it set to one pixel value.
    void CopyTo(std::span<std::uint32_t> image) const;
    void CopyFrom(std::span<const std::uint32_t> image) const;
    void Fill(std::uint32_t pixel) const;

private:
    CanvasPixels(std::uint8_t* corner, std::ptrdiff_t stride, const RECT& reach)
        : corner_(corner), stride_(stride), reach_(reach) {}

    std::uint8_t* corner_;   // the reachable part's top-left pixel
    std::ptrdiff_t stride_;  // bytes from one row to the one below it, negative bottom-up
    RECT reach_;
};

}  // namespace lmd
