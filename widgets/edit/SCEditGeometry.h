// Where the characters of one line stand: columns to x and back, and the scroll
// offset that brings a column into view. Coordinates are the control's client pixels.
#pragma once

#include <string_view>

#include "widgets/edit/SCEditExtents.h"

struct TSCEditRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TSCEditRect& o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

struct TSCEditPoint {
    int X = 0, Y = 0;
};

// The pixels taken from each side of the client area before the text area begins.
struct TSCEditMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

namespace scedit {

// Width of the characters before `col` (clamped to the text).
int ColumnLeft(std::string_view text, const TSCCharExtents& extents, int col);

// The column a click at `x` lands on when the text starts at `textLeft`: before a
// character in the left half of its cell, after it in the right half (from
// cell left + width div 2); 0 left of the text, the length at or past its end.
int ColumnAtX(std::string_view text, const TSCCharExtents& extents, int textLeft, int x);

// The scroll offset that shows `col` in `area`, given the offset shown now. A text
// narrower than the area shows from 0; the end of the text puts its last character's
// end one pixel inside the right edge (room for the caret); a column already strictly
// inside the area keeps the offset; one right of the area is shown with about six
// average characters after it. The result lies within 0 .. text width + 1 - area width.
int ScrollOffsetShowing(std::string_view text, const TSCCharExtents& extents, const TSCEditRect& area,
                        int col, int oldOffset);

}  // namespace scedit
