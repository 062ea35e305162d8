// The buttons of a framed edit: layout, hit test, hot and pressed tracking, painting.
#include <algorithm>

#include "framework/ColorWin.h"
#include "widgets/edit/SCAdvEdits.h"

void TSCCustomButtonFrame::RemoveButton(TSCEditButton& button)
{
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), &button), buttons_.end());
    UpdateLayout();
}

void TSCCustomButtonFrame::ButtonChanged()
{
    UpdateLayout();
}

// --- Layout and hit test ---

TSCButtonSlot TSCCustomButtonFrame::SlotOf(const TSCEditButton& button) const
{
    const int width = button.Width() < 0 ? GetSystemMetrics(SM_CXVSCROLL) : button.Width();
    return {button.Visible(), width, button.Align() != taLeftJustify};
}

std::vector<TSCButtonSlot> TSCCustomButtonFrame::ButtonSlots() const
{
    std::vector<TSCButtonSlot> slots;
    for (const TSCEditButton* b : buttons_)
        slots.push_back(SlotOf(*b));
    return slots;
}

TSCEditRect TSCCustomButtonFrame::ButtonRect(const TSCEditButton& button) const
{
    // Buttons later in the list sit nearer the edge.
    const auto it = std::find(buttons_.begin(), buttons_.end(), &button);
    if (it == buttons_.end())
        return {};
    std::vector<TSCButtonSlot> nearer;
    for (auto later = it + 1; later != buttons_.end(); ++later)
        nearer.push_back(SlotOf(**later));
    const RECT client = ClientRect();
    return scedit::ButtonRect({client.left, client.top, client.right, client.bottom}, Style(), SlotOf(button), nearer);
}

TSCEditButton* TSCCustomButtonFrame::ButtonAt(int x, int y) const
{
    const RECT client = ClientRect();
    const POINT p{x, y};
    if (!PtInRect(&client, p))
        return nullptr;
    for (TSCEditButton* b : buttons_)
        if (ButtonRect(*b).Contains(x, y))
            return b;
    return nullptr;
}

// --- Hot and pressed state ---

TSCEditButton* TSCCustomButtonFrame::DownButton() const
{
    const auto it = std::find_if(buttons_.begin(), buttons_.end(), [](const TSCEditButton* b) { return b->down_; });
    return it == buttons_.end() ? nullptr : *it;
}

TSCEditButton* TSCCustomButtonFrame::HotButton() const
{
    const auto it = std::find_if(buttons_.begin(), buttons_.end(), [](const TSCEditButton* b) { return b->hot_; });
    return it == buttons_.end() ? nullptr : *it;
}

void TSCCustomButtonFrame::SetButtonState(TSCEditButton* down, TSCEditButton* hot)
{
    if (down == DownButton() && hot == HotButton())
        return;
    for (TSCEditButton* b : buttons_) {
        b->down_ = b == down;
        b->hot_ = b == hot;
    }
    Invalidate();
}

void TSCCustomButtonFrame::ReleaseButtons()
{
    SetMouseCapture(false);
    SetButtonState(nullptr, nullptr);
}

bool TSCCustomButtonFrame::AutoSelectsOnPress(fw::MouseButton button, int x, int y) const
{
    // A press on a button is the button's: the text keeps its caret and its view.
    return TSCCustomFrameEdit::AutoSelectsOnPress(button, x, y) && !ButtonAt(x, y);
}

void TSCCustomButtonFrame::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    TSCCustomFrameEdit::MouseDown(button, shift, x, y);
    if (!Focused())
        return;
    TSCEditButton* pressed = button == fw::MouseButton::Left && !MouseSelecting() ? ButtonAt(x, y) : nullptr;
    SetButtonState(pressed, pressed);
    if (!pressed)
        return;
    Update();  // the press shows at once, whatever its handler starts
    ButtonPressed(*pressed);
}

void TSCCustomButtonFrame::MouseMove(fw::ShiftState shift, int x, int y)
{
    TSCCustomFrameEdit::MouseMove(shift, x, y);
    // A button stays down while the pointer is off it, and only it can be hot meanwhile.
    // A move without the left button held means its release went elsewhere.
    TSCEditButton* down = shift & fw::ssLeft ? DownButton() : nullptr;
    TSCEditButton* under = MouseSelecting() ? nullptr : ButtonAt(x, y);
    SetButtonState(down, under && (!down || under == down) ? under : nullptr);
}

void TSCCustomButtonFrame::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    SetButtonState(nullptr, ButtonAt(x, y));
    TSCCustomFrameEdit::MouseUp(button, shift, x, y);
}

void TSCCustomButtonFrame::MouseLeave()
{
    SetButtonState(DownButton(), nullptr);
    TSCCustomFrameEdit::MouseLeave();
}

void TSCCustomButtonFrame::CaptureLost()
{
    TSCCustomFrameEdit::CaptureLost();
    SetButtonState(nullptr, HotButton());
}

// --- Painting ---

void TSCCustomButtonFrame::Paint(fw::Canvas& canvas)
{
    TSCCustomFrameEdit::Paint(canvas);
    for (TSCEditButton* b : buttons_) {
        const TSCEditRect r = ButtonRect(*b);
        if (r.Empty())
            continue;
        fw::SavedDC saved(canvas.Handle());
        IntersectClipRect(canvas.Handle(), r.Left, r.Top, r.Right, r.Bottom);
        PaintButton(canvas, *b, r, b->Down(), b->Hot());
    }
}

void TSCCustomButtonFrame::PaintButton(fw::Canvas& canvas, TSCEditButton& button, const TSCEditRect& r, bool down,
                                       bool hot)
{
    if (button.Style() == scebCustom) {
        PaintCustomButton(canvas, button, r, down, hot);
        return;
    }
    const bool pressed = down && hot;
    TSCFills fills;
    fw::Color glyph = fw::ColorToRGB(button.ArrowColor());
    if (Style() == scesWinXP) {
        const TSCWinXPColors colors = WinXPColors();
        scedit::WinXPButtonFace(fills, r, colors, down, hot);
        glyph = colors.Dark;
    } else {
        // The other looks are not this program's: a plain raised or sunken face.
        const RECT face{r.Left, r.Top, r.Right, r.Bottom};
        canvas.FillRect(face, button.Color());
        canvas.DrawEdge(face, pressed);
    }
    // Only the three dots are drawn; arrows and pictures are not this program's.
    if (button.Style() == scebBrowse)
        scedit::BrowseGlyph(fills, r, glyph, pressed);
    PaintFills(canvas, fills);
}

void TSCCustomButtonFrame::PaintCustomButton(fw::Canvas& canvas, TSCEditButton& button, const TSCEditRect& r,
                                             bool down, bool hot)
{
    if (OnPaintButton)
        OnPaintButton(button, canvas, RECT{r.Left, r.Top, r.Right, r.Bottom}, down, hot);
}
