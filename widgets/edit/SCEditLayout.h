// Where a framed edit puts its text and its buttons, how high it sizes itself, and the
// rectangles and colours of the scesWinXP frame and button face. Client pixels;
// rectangles exclude their right and bottom edges.
#pragma once

#include <vector>

#include "widgets/edit/SCEditGeometry.h"
#include "widgets/edit/SCEditTypes.h"

// A button as the layout sees it.
struct TSCButtonSlot {
    bool Visible = true;
    int Width = 0;  // pixels, an automatic width already resolved
    bool RightAligned = true;
    bool TakesRoom() const { return Visible && Width != 0; }
};

// One rectangle filled with one plain colour; a look is a list of these, painted in order.
struct TSCFill {
    TSCEditRect Rect;
    fw::Color Color = 0;
};
using TSCFills = std::vector<TSCFill>;

// The plain colours the scesWinXP look derives everything from: the base, and the base
// lightened and darkened (already mapped to what the screen shows).
struct TSCWinXPColors {
    fw::Color Base = 0;
    fw::Color Light = 0;
    fw::Color Dark = 0;
};

namespace scedit {

// 4 for the double frames, 3 for every other style.
int FrameWidth(TSCEditStyle style);
// Left f, top f, right f, bottom f - 2, each button's width added on its side.
TSCEditMargins FrameMargins(TSCEditStyle style, const std::vector<TSCButtonSlot>& buttons);
// The line, the top and bottom margins and 3, plus the borders on both sides.
int AutoHeight(int lineHeight, const TSCEditMargins& margins, int borderExtent);
// The client rectangle less f - 1 on every side and less the buttons placed nearer the
// edges (each on its side), then the last Width pixels on the button's side, grown by one
// at top and bottom and moved one pixel outward. Empty when the button takes no room.
TSCEditRect ButtonRect(const TSCEditRect& client, TSCEditStyle style, const TSCButtonSlot& button,
                       const std::vector<TSCButtonSlot>& nearer);

// The outermost pixels of `rect`.
void AddRing(TSCFills& out, const TSCEditRect& rect, fw::Color color);
// A one-pixel ring on the client rectangle, the base shifted by -32.
void WinXPFrame(TSCFills& out, const TSCEditRect& client, fw::Color base);
// The face of a button in rectangle `r0`: pressed (down and hot), hot, or normal (down
// but not hot looks normal).
void WinXPButtonFace(TSCFills& out, const TSCEditRect& r0, const TSCWinXPColors& colors, bool down, bool hot);
// Three 2 x 2 dots centred in `r0`, one pixel right and down when pressed.
void BrowseGlyph(TSCFills& out, const TSCEditRect& r0, fw::Color color, bool pressed);

}  // namespace scedit
