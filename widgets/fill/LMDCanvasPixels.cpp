#include "widgets/fill/LMDCanvasPixels.h"

#include <algorithm>

namespace lmd {

namespace {

// Where row `row` and column `column` of the bitmap lie in memory when its rows run down
// from the top, or up from the bottom.
std::uint32_t* PixelAt(const DIBSECTION& dib, int column, int row, bool rowsRunDown)
{
    const std::ptrdiff_t stored = rowsRunDown ? row : dib.dsBm.bmHeight - 1 - row;
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(dib.dsBm.bmBits) +
                                            stored * dib.dsBm.bmWidthBytes) + column;
}

// The platform reports the height of every DIB section as positive, so which way up the
// rows lie is asked of the DC: two marks go where the pixel at `device` would lie either
// way, the DC reads that pixel, and the memory is put back at once. Nothing when the DC
// sees neither mark.
std::optional<bool> RowsRunDown(HDC dc, const DIBSECTION& dib, POINT device, POINT logical)
{
    std::uint32_t* const down = PixelAt(dib, device.x, device.y, true);
    std::uint32_t* const up = PixelAt(dib, device.x, device.y, false);
    if (down == up)
        return true;  // the middle row, where both readings meet
    GdiFlush();
    const std::uint32_t keptDown = *down, keptUp = *up;
    *down = 0x000000;
    *up = 0xFFFFFF;
    const COLORREF seen = GetPixel(dc, logical.x, logical.y);
    *down = keptDown;
    *up = keptUp;
    if (seen != RGB(0, 0, 0) && seen != RGB(255, 255, 255))
        return std::nullopt;
    return seen == RGB(0, 0, 0);
}

}  // namespace

std::optional<CanvasPixels> CanvasPixels::Of(HDC dc, const RECT& rect)
{
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || GetLayout(dc) != 0)
        return std::nullopt;
    DIBSECTION dib = {};
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectW(bitmap, sizeof(dib), &dib) != static_cast<int>(sizeof(dib)) || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32 || dib.dsBmih.biCompression != BI_RGB)
        return std::nullopt;
    RECT clip;
    const int clipKind = GetClipBox(dc, &clip);
    if (clipKind != SIMPLEREGION && clipKind != NULLREGION)
        return std::nullopt;

    // With text mapping the DC's coordinates are the bitmap's moved by one offset.
    POINT origin = {0, 0};
    LPtoDP(dc, &origin, 1);
    const RECT bitmapRect = {-origin.x, -origin.y, dib.dsBm.bmWidth - origin.x, dib.dsBm.bmHeight - origin.y};
    RECT reach = {};
    if (clipKind == NULLREGION || !IntersectRect(&reach, &rect, &clip) || !IntersectRect(&reach, &reach, &bitmapRect))
        return CanvasPixels(nullptr, 0, RECT{});

    // The first row of the reach is asked about, or its last where the first is the middle row.
    const POINT corner = {reach.left + origin.x, reach.top + origin.y};
    const POINT probe = PixelAt(dib, corner.x, corner.y, true) == PixelAt(dib, corner.x, corner.y, false)
                            ? POINT{corner.x, reach.bottom - 1 + origin.y}
                            : corner;
    const std::optional<bool> rowsRunDown = RowsRunDown(dc, dib, probe, POINT{probe.x - origin.x, probe.y - origin.y});
    if (!rowsRunDown)
        return std::nullopt;
    const std::ptrdiff_t stride = *rowsRunDown ? dib.dsBm.bmWidthBytes : -dib.dsBm.bmWidthBytes;
    return CanvasPixels(reinterpret_cast<std::uint8_t*>(PixelAt(dib, corner.x, corner.y, *rowsRunDown)), stride,
                        reach);
}

std::span<std::uint32_t> CanvasPixels::Row(int y) const
{
    return {reinterpret_cast<std::uint32_t*>(corner_ + y * stride_), static_cast<std::size_t>(Width())};
}

void CanvasPixels::CopyTo(std::span<std::uint32_t> image) const
{
    const std::size_t width = static_cast<std::size_t>(Width());
    for (int y = 0; y < Height() && image.size() >= width; ++y, image = image.subspan(width))
        std::copy_n(Row(y).begin(), width, image.begin());
}

void CanvasPixels::CopyFrom(std::span<const std::uint32_t> image) const
{
    const std::size_t width = static_cast<std::size_t>(Width());
    for (int y = 0; y < Height() && image.size() >= width; ++y, image = image.subspan(width))
        std::copy_n(image.begin(), width, Row(y).begin());
}

void CanvasPixels::Fill(std::uint32_t pixel) const
{
    if (Empty())
        return;
    // One row is filled and copied to the others: a copy is several times faster.
    std::ranges::fill(Row(0), pixel);
    for (int y = 1; y < Height(); ++y)
        std::ranges::copy(Row(0), Row(y).begin());
}

}  // namespace lmd
