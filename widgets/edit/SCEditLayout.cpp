#include "widgets/edit/SCEditLayout.h"

#include "widgets/edit/SCCommon.h"

namespace scedit {

namespace {

TSCEditRect Shrunk(const TSCEditRect& r, int by)
{
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

// A line from x1 to x2 (excluded) on row y, or from y1 to y2 (excluded) on column x.
void AddRow(TSCFills& out, int x1, int x2, int y, fw::Color color)
{
    if (x2 > x1)
        out.push_back({{x1, y, x2, y + 1}, color});
}

void AddColumn(TSCFills& out, int x, int y1, int y2, fw::Color color)
{
    if (y2 > y1)
        out.push_back({{x, y1, x + 1, y2}, color});
}

}  // namespace

int FrameWidth(TSCEditStyle style)
{
    return style == scesDouble || style == scesDoubleNew ? 4 : 3;
}

TSCEditMargins FrameMargins(TSCEditStyle style, const std::vector<TSCButtonSlot>& buttons)
{
    const int f = FrameWidth(style);
    TSCEditMargins m{f, f, f, f - 2};
    for (const TSCButtonSlot& b : buttons) {
        if (!b.TakesRoom())
            continue;
        (b.RightAligned ? m.Right : m.Left) += b.Width;
    }
    return m;
}

int AutoHeight(int lineHeight, const TSCEditMargins& margins, int borderExtent)
{
    return lineHeight + margins.Top + margins.Bottom + 3 + 2 * borderExtent;
}

TSCEditRect ButtonRect(const TSCEditRect& client, TSCEditStyle style, const TSCButtonSlot& button,
                       const std::vector<TSCButtonSlot>& nearer)
{
    if (!button.TakesRoom())
        return {};
    TSCEditRect r = Shrunk(client, FrameWidth(style) - 1);
    for (const TSCButtonSlot& other : nearer) {
        if (!other.TakesRoom())
            continue;
        if (other.RightAligned)
            r.Right -= other.Width;
        else
            r.Left += other.Width;
    }
    if (button.RightAligned)
        r.Left = r.Right - button.Width;
    else
        r.Right = r.Left + button.Width;
    const int outward = button.RightAligned ? 1 : -1;
    return {r.Left + outward, r.Top - 1, r.Right + outward, r.Bottom + 1};
}

void AddRing(TSCFills& out, const TSCEditRect& r, fw::Color color)
{
    if (r.Empty())
        return;
    AddRow(out, r.Left, r.Right, r.Top, color);
    AddRow(out, r.Left, r.Right, r.Bottom - 1, color);
    AddColumn(out, r.Left, r.Top, r.Bottom, color);
    AddColumn(out, r.Right - 1, r.Top, r.Bottom, color);
}

void WinXPFrame(TSCFills& out, const TSCEditRect& client, fw::Color base)
{
    AddRing(out, client, SCShiftColor(base, -32));
}

void WinXPButtonFace(TSCFills& out, const TSCEditRect& r0, const TSCWinXPColors& colors, bool down, bool hot)
{
    const bool pressed = down && hot;
    const fw::Color face = pressed ? SCShiftColor(colors.Base, -24) : hot ? SCShiftColor(colors.Base, 16) : colors.Base;
    const TSCEditRect r2 = Shrunk(r0, 2);
    out.push_back({r0, face});
    AddRing(out, Shrunk(r0, 1), SCShiftColor(colors.Base, -16));

    // Light along the top; when pressed, a dark top edge fading over three rows.
    const fw::Color line = SCShiftColor(face, pressed ? -24 : 16);
    AddRow(out, r2.Left, r2.Right - 2, r2.Top, line);
    if (pressed && r2.Top + 1 < r2.Bottom) {
        AddRow(out, r2.Left, r2.Right - 2, r2.Top + 1, SCShiftColor(line, 12));
        AddRow(out, r2.Left, r2.Right - 2, r2.Top + 2, SCShiftColor(line, 12));
    }
    // Shade along the right, two columns per step, darkest at the edge.
    for (int i = 0; i < 3; ++i) {
        const fw::Color shade = SCShiftColor(face, 4 * i - 12);
        for (int x : {r2.Right - 2 * i, r2.Right - 2 * i - 1}) {
            if (x < r2.Left)
                break;
            AddColumn(out, x, r2.Top + 1, r2.Bottom, shade);
        }
    }
    // Pressed: shade along the left too, three columns per step.
    for (int i = 0; pressed && i < 3; ++i) {
        const fw::Color shade = SCShiftColor(face, 6 * i - 18);
        for (int x = r2.Left + 3 * i; x < r2.Left + 3 * i + 3 && x <= r2.Right; ++x)
            AddColumn(out, x, r2.Top + 1, r2.Bottom, shade);
    }
    AddRing(out, r0, SCShiftColor(colors.Light, -16));
}

void BrowseGlyph(TSCFills& out, const TSCEditRect& r0, fw::Color color, bool pressed)
{
    const int shift = pressed ? 1 : 0;
    const int x0 = r0.Left + (r0.Width() - 10) / 2 + shift;
    const int y0 = r0.Top + (r0.Height() - 2) / 2 + shift;
    for (int dot = 0; dot < 3; ++dot)
        out.push_back({{x0 + 4 * dot, y0, x0 + 4 * dot + 2, y0 + 2}, color});
}

}  // namespace scedit
