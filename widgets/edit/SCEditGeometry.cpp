#include "widgets/edit/SCEditGeometry.h"

#include <algorithm>

namespace scedit {

int ColumnLeft(std::string_view text, const TSCCharExtents& extents, int col)
{
    col = std::clamp(col, 0, static_cast<int>(text.size()));
    return extents.TextWidth(text.substr(0, static_cast<std::size_t>(col)));
}

int ColumnAtX(std::string_view text, const TSCCharExtents& extents, int textLeft, int x)
{
    if (x < textLeft)
        return 0;
    int cellLeft = textLeft;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int width = extents.Width(text[i]);
        if (x < cellLeft + width)
            return x >= cellLeft + width / 2 ? i + 1 : i;
        cellLeft += width;
    }
    return static_cast<int>(text.size());
}

int ScrollOffsetShowing(std::string_view text, const TSCCharExtents& extents, const TSCEditRect& area,
                        int col, int oldOffset)
{
    int textWidth = extents.TextWidth(text);
    if (textWidth > 0)
        ++textWidth;  // the caret after the last character
    const int areaWidth = area.Width();
    if (textWidth < areaWidth)
        return 0;
    const int maxOffset = textWidth - areaWidth;

    const int length = static_cast<int>(text.size());
    col = std::clamp(col, 0, length);
    const int x0 = area.Left + ColumnLeft(text, extents, col);
    if (col == length)
        return maxOffset;

    const int oldX = x0 - oldOffset;
    if (oldX > area.Left && oldX < area.Right)
        return std::clamp(oldOffset, 0, maxOffset);
    if (x0 < area.Right)
        return 0;

    // Right of the area: show a few characters after the caret too.
    const int average = extents.AverageCharWidth();
    int look = 0;
    for (int i = col; i < length && look < 6 * average; ++i)
        look += extents.Width(text[i]);
    int offset = x0 + look - areaWidth;
    for (int step = 0; step < 5 && x0 - offset <= area.Left; ++step)
        offset -= average;
    return std::clamp(offset, 0, maxOffset);
}

}  // namespace scedit
