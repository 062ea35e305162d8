// What the game-folder field paints, read back through WM_PRINTCLIENT at the pixels that
// matter: the frame, the button face in each state the mouse puts it in, the browse dots,
// and the line of text with its selection, clipped to the text area.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "../../framework/GuiTestUtil.h"
#include "FieldTest.h"
#include "framework/Canvas.h"
#include "framework/Gdi.h"

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) { return fw::RgbColor(r, g, b); }

const std::uint32_t kFieldColor = 14811134;
const std::uint32_t kFrame = Rgb(151, 167, 223);
const std::uint32_t kOuterRing = Rgb(239, 239, 239);
const std::uint32_t kInnerRing = Rgb(167, 183, 239);
const std::uint32_t kDots = Rgb(23, 39, 95);

class ButtonEditLookTest : public edittest::FieldTest {
protected:
    void SetUp() override
    {
        FieldTest::SetUp();
        r0 = field->ButtonRect(field->Button());
    }
    void Mouse(UINT message, WPARAM keys, int x, int y)
    {
        SendMessageW(Window(), message, keys, MAKELPARAM(x, y));
        fwtest::Drain();
    }

    TSCEditRect r0;
};

TEST_F(ButtonEditLookTest, TheButtonIsAScrollBarWideAndOnePixelShortOfTopAndBottom)
{
    // MS Sans Serif's 13-pixel characters: lines of 14, the field 21 high as laid out.
    EXPECT_EQ(field->LineHeight(), 14);
    EXPECT_EQ(field->Height(), 21);
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(r0.Left, 368 - w);
    EXPECT_EQ(r0.Top, 1);
    EXPECT_EQ(r0.Right, 368);
    EXPECT_EQ(r0.Bottom, 20);
    const TSCEditRect area = field->TextArea();
    EXPECT_EQ(area.Left, 3);
    EXPECT_EQ(area.Top, 3);
    EXPECT_EQ(area.Right, 366 - w);
    EXPECT_EQ(area.Bottom, 20);
    // Hit testing follows the rectangle.
    EXPECT_EQ(field->ButtonAt(r0.Left, r0.Top), &field->Button());
    EXPECT_EQ(field->ButtonAt(r0.Right - 1, r0.Bottom - 1), &field->Button());
    EXPECT_EQ(field->ButtonAt(r0.Left - 1, r0.Top + 5), nullptr);
    EXPECT_EQ(field->ButtonAt(r0.Left + 2, r0.Bottom), nullptr);

    // A larger font: the field sizes itself again, one line and the margins high.
    field->GetFont().SetHeight(20);
    EXPECT_EQ(field->Height(), edittest::FieldHeightByRule(field->GetFont()));
    EXPECT_EQ(field->ButtonRect(field->Button()).Bottom, field->Height() - 1);
}

TEST_F(ButtonEditLookTest, BackgroundFollowsTheState)
{
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* what;
        std::function<void()> set;
        std::uint32_t background;
    } cases[] = {
        {"enabled", [] {}, kFieldColor},
        {"focused, no focus colour", [&] { field->SetFocus(); }, kFieldColor},
        {"focused with a focus colour", [&] { field->Colors().SetFocusColor(fw::clAqua); }, fw::clAqua},
        {"unfocused again", [&] { form->other->SetFocus(); }, kFieldColor},
        {"disabled", [&] { field->SetEnabled(false); }, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        fwtest::Drain();
        fwtest::Snapshot shot(Window());
        EXPECT_EQ(shot.At(200, field->Height() / 2), c.background);
        EXPECT_EQ(shot.At(0, field->Height() / 2), kFrame) << "the frame never changes";
    }
}

// Each state the mouse leaves the button in, painted: the face at its top-right corner
// (the one place no line or shade covers), the top line, the darkest shade on the right,
// the dots (one pixel right and down when pressed).
TEST_F(ButtonEditLookTest, FrameAndButtonFaceInEachMouseState)
{
    struct Look {
        std::uint32_t face, topLine, shade;
        bool pressed;
    };
    const Look normal{Rgb(183, 199, 255), Rgb(199, 215, 255), Rgb(171, 187, 243), false};
    const Look hot{Rgb(199, 215, 255), Rgb(215, 231, 255), Rgb(187, 203, 243), false};
    const Look pressed{Rgb(159, 175, 231), Rgb(135, 151, 207), Rgb(147, 163, 219), true};
    const POINT c = ButtonCentre();
    const struct {
        const char* what;
        std::function<void()> act;
        Look look;
    } cases[] = {
        {"normal", [] {}, normal},
        {"hot", [&] { Mouse(WM_MOUSEMOVE, 0, c.x, c.y); }, hot},
        {"pressed", [&] { Mouse(WM_LBUTTONDOWN, MK_LBUTTON, c.x, c.y); }, pressed},
        {"down, dragged off: drawn unpressed", [&] { Mouse(WM_MOUSEMOVE, MK_LBUTTON, 100, 10); }, normal},
        {"dragged back on", [&] { Mouse(WM_MOUSEMOVE, MK_LBUTTON, c.x, c.y); }, pressed},
        {"released over it: hot", [&] { Mouse(WM_LBUTTONUP, 0, c.x, c.y); }, hot},
        {"the pointer gone", [&] { Mouse(WM_MOUSELEAVE, 0, 0, 0); }, normal},
    };
    const int h = field->Height();
    const int x0 = r0.Left + (r0.Width() - 10) / 2, y0 = r0.Top + (r0.Height() - 2) / 2;
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        k.act();
        fwtest::Snapshot shot(Window());
        for (POINT frame : {POINT{0, h / 2}, POINT{200, 0}, POINT{200, h - 1}, POINT{368, h / 2}})
            EXPECT_EQ(shot.At(frame.x, frame.y), kFrame);
        EXPECT_EQ(shot.At(r0.Left, h / 2), kOuterRing);
        EXPECT_EQ(shot.At(r0.Right - 1, r0.Top), kOuterRing);
        EXPECT_EQ(shot.At(r0.Left + 1, h / 2), kInnerRing);
        EXPECT_EQ(shot.At(r0.Right - 4, r0.Top + 2), k.look.face);
        EXPECT_EQ(shot.At(r0.Left + 2, r0.Top + 2), k.look.topLine);
        EXPECT_EQ(shot.At(r0.Right - 2, r0.Top + 3), k.look.shade);
        EXPECT_EQ(shot.At(r0.Right - 3, r0.Bottom - 3), k.look.shade);
        const int p = k.look.pressed ? 1 : 0;
        for (int dot = 0; dot < 3; ++dot) {
            SCOPED_TRACE("dot " + std::to_string(dot));
            const int x = x0 + 4 * dot + p, y = y0 + p;
            EXPECT_EQ(shot.At(x, y), kDots);
            EXPECT_EQ(shot.At(x + 1, y + 1), kDots);
            EXPECT_NE(shot.At(x + 2, y), kDots);
            EXPECT_NE(shot.At(x, y + 2), kDots);
            EXPECT_NE(shot.At(x - 1, y - 1), kDots);
        }
    }
    EXPECT_NE(GetCapture(), Window()) << "the release let the mouse go";
}

// The selection shows where the line of text stands: from the top of the text area, one
// line high, starting at 3 - offset plus the measured widths before it, clipped to the
// text area, and only while focused unless HideSelection is off.
TEST_F(ButtonEditLookTest, TheSelectionShowsWhereTheLineStandsWithinTheTextArea)
{
    const std::uint32_t highlight = GetSysColor(COLOR_HIGHLIGHT);
    const TSCEditRect area = field->TextArea();
    const int line = field->LineHeight();
    // Code page 1251 letters whose code page 1252 readings have other widths.
    const std::string letters = "C:\\\xC6\xD8\xD9\xDE\xC6\xD8";
    const fw::Font& font = field->GetFont();
    ASSERT_NE(edittest::CharsExtent(font, letters).cx, edittest::CharsExtent(font, letters, 1252).cx);
    const int x1 = area.Left + edittest::CharsExtent(font, letters.substr(0, 4)).cx;
    const int x2 = x1 + edittest::CharsExtent(font, letters.substr(4, 3)).cx;
    const std::string longPath(120, 'W');
    struct Case {
        const char* what;
        std::string text;
        int selFrom, selTo;
        bool focused, hideSelection;
        int left, right;  // the highlight's columns; left == right: none shows
    } cases[] = {
        {"part, focused", letters, 4, 7, true, true, x1, x2},
        {"part, unfocused: hidden", letters, 4, 7, false, true, x1, x1},
        {"part, unfocused, HideSelection off", letters, 4, 7, false, false, x1, x2},
        // Begun far left of the area; the last character ends a pixel inside, room for the caret.
        {"long, scrolled to its end: clipped", longPath, 0, 120, true, true, area.Left, area.Right - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field->SetHideSelection(c.hideSelection);
        field->SetText(c.text);
        if (c.focused)
            field->SetFocus();
        else
            form->other->SetFocus();
        field->SetSelection(c.selFrom, c.selTo);
        fwtest::Drain();
        fwtest::Snapshot shot(Window());
        const bool shown = c.right > c.left;
        for (int y : {area.Top, area.Top + line - 1}) {
            EXPECT_EQ(shot.At(c.left, y) == highlight, shown) << "left end, row " << y;
            EXPECT_EQ(shot.At(c.right - 1, y) == highlight, shown) << "right end, row " << y;
            EXPECT_NE(shot.At(c.left - 1, y), highlight) << "row " << y;
            EXPECT_NE(shot.At(c.right, y), highlight) << "row " << y;
        }
        EXPECT_NE(shot.At(c.left, area.Top - 1), highlight) << "from the top of the text area";
        EXPECT_NE(shot.At(c.left, area.Top + line), highlight) << "one line high";
    }
}

// The first row and the first column black ink reaches within `limit`, or -1.
POINT FirstInk(const std::function<std::uint32_t(int x, int y)>& at, const TSCEditRect& limit)
{
    POINT first{-1, -1};
    for (int y = limit.Top; y < limit.Bottom; ++y)
        for (int x = limit.Left; x < limit.Right; ++x)
            if (at(x, y) == 0) {
                first.y = first.y < 0 ? y : first.y;
                first.x = first.x < 0 || x < first.x ? x : first.x;
            }
    return first;
}

// The text in the font's colour: unscrolled, its ink lies where the same text drawn at
// the text area's top-left corner has it (at the top, not centred); scrolled, none of it
// shows outside the text area.
TEST_F(ButtonEditLookTest, TheTextIsDrawnAtTheTopLeftOfTheTextAreaAndClippedToIt)
{
    const std::string text(120, 'W');
    const TSCEditRect area = field->TextArea();
    fw::DibSection reference(40, 30);
    {
        fw::Canvas canvas(reference.DC());
        canvas.FillRect(RECT{0, 0, 40, 30}, fw::clWhite);
        canvas.SetFont(field->GetFont());
        canvas.TextOut(area.Left, area.Top, "WW");
    }
    GdiFlush();
    const POINT expected =
        FirstInk([&](int x, int y) { return fw::FromPixel(reference.Pixel(x, y) & 0xFFFFFF); }, {0, 0, 40, 30});
    ASSERT_GE(expected.y, area.Top);

    field->SetText(text);
    fwtest::Snapshot start(Window());
    const POINT ink = FirstInk([&](int x, int y) { return start.At(x, y); }, {0, 0, r0.Left, field->Height()});
    EXPECT_EQ(ink.x, expected.x);
    EXPECT_EQ(ink.y, expected.y);

    field->SetFocus();
    SendMessageW(Window(), WM_KEYDOWN, VK_END, 1);
    fwtest::Drain();
    ASSERT_GT(field->ScrollOffset(), 0);
    fwtest::Snapshot end(Window());
    int inside = 0, outside = 0;
    for (int x = 0; x < r0.Left; ++x)
        for (int y = 0; y < field->Height(); ++y)
            if (end.At(x, y) == 0)
                ++(area.Contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

}  // namespace
