#include "widgets/edit/SCEditLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/edit/SCCommon.h"

namespace {

constexpr fw::Color Rgb(int r, int g, int b) { return fw::RgbColor(r, g, b); }
constexpr fw::Color kBase = 16762807;  // the default WinXPColor, RGB 183, 199, 255

std::string Text(const TSCEditRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

std::string Text(const TSCEditMargins& m)
{
    return Text(TSCEditRect{m.Left, m.Top, m.Right, m.Bottom});
}

}  // namespace

TEST(SCCommon, ShiftLightenAndDarkenKeepEveryChannelInRange)
{
    const auto grey = [](int) -> std::uint32_t { return 0xC0C0C0; };
    const auto toEights = [](fw::Color c) { return c & 0xF8F8F8u; };
    struct Case {
        const char* what;
        fw::Color actual, expected;
    } cases[] = {
        {"frame", SCShiftColor(kBase, -32), Rgb(151, 167, 223)},
        {"channels stop at 255 and 0", SCShiftColor(Rgb(250, 5, 128), 10), Rgb(255, 15, 138)},
        {"a step beyond 255 counts as 255", SCShiftColor(Rgb(200, 100, 255), -300), Rgb(0, 0, 0)},
        {"system colour resolved", SCShiftColor(fw::clBtnFace, 16, grey), Rgb(208, 208, 208)},
        {"lightened", SCLightenColor(kBase), Rgb(255, 255, 255)},
        {"lightened, then the outer ring", SCShiftColor(SCLightenColor(kBase), -16), Rgb(239, 239, 239)},
        {"darkened: the dots", SCDarkenColor(kBase), Rgb(23, 39, 95)},
        {"darkened to what the screen shows", SCDarkenColor(kBase, nullptr, toEights), Rgb(16, 32, 88)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(SCEditLayout, MarginsHeightAndButtonRectangles)
{
    const TSCButtonSlot right{true, 17, true}, left{true, 17, false}, hidden{false, 17, true}, none{true, 0, true},
        browse{true, 10, true};
    const TSCEditRect field{0, 0, 369, 21};
    struct Margins {
        const char* what;
        TSCEditStyle style;
        std::vector<TSCButtonSlot> buttons;
        std::string margins;
    } margins[] = {
        {"the folder field", scesWinXP, {right, hidden}, "3,3,20,1"},
        {"double frame", scesDouble, {right}, "4,4,21,2"},
        {"button on the left", scesWinXP, {left}, "20,3,3,1"},
        {"no room taken", scesDefault, {hidden, none}, "3,3,3,1"},
        {"two buttons on the right", scesWinXP, {right, browse}, "3,3,30,1"},
    };
    for (const Margins& m : margins) {
        SCOPED_TRACE(m.what);
        EXPECT_EQ(Text(scedit::FrameMargins(m.style, m.buttons)), m.margins);
    }
    const TSCEditMargins frame{3, 3, 20, 1};
    EXPECT_EQ(scedit::AutoHeight(14, frame, 0), 21) << "13-pixel characters";
    EXPECT_EQ(scedit::AutoHeight(13, frame, 0), 20) << "12-pixel characters";
    EXPECT_EQ(scedit::AutoHeight(14, frame, 3), 27) << "a raised border and an etched inner one";

    struct Rect {
        const char* what;
        TSCEditRect client;
        TSCEditStyle style;
        TSCButtonSlot button;
        std::vector<TSCButtonSlot> nearer;
        std::string rect;
    } rects[] = {
        {"the folder field", field, scesWinXP, right, {hidden}, "351,1,368,20"},
        {"20 pixels high", {0, 0, 369, 20}, scesWinXP, right, {}, "351,1,368,19"},
        {"on the left, moved outward", field, scesWinXP, left, {}, "1,1,18,20"},
        {"beside a visible browse button", field, scesWinXP, right, {browse}, "341,1,358,20"},
        {"double frame", field, scesDouble, right, {}, "350,2,367,19"},
        {"hidden", field, scesWinXP, hidden, {}, "0,0,0,0"},
    };
    for (const Rect& r : rects) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(Text(scedit::ButtonRect(r.client, r.style, r.button, r.nearer)), r.rect);
    }
}

// The face of the folder field's 17-pixel button (351..367 by 1..19) pixel by pixel.
TEST(SCEditLayout, WinXPButtonFacePixels)
{
    const TSCEditRect r0{351, 1, 368, 20};
    const TSCWinXPColors colors{kBase, SCLightenColor(kBase), SCDarkenColor(kBase)};
    enum State { Normal, Hot, Pressed, DownNotHot };
    const auto paint = [&](State state) {
        TSCFills fills;
        const bool down = state == Pressed || state == DownNotHot, hot = state == Hot || state == Pressed;
        scedit::WinXPButtonFace(fills, r0, colors, down, hot);
        scedit::BrowseGlyph(fills, r0, colors.Dark, down && hot);
        std::vector<fw::Color> pixels(369 * 21, 0x123456);
        for (const TSCFill& f : fills)
            for (int y = f.Rect.Top; y < f.Rect.Bottom; ++y)
                for (int x = f.Rect.Left; x < f.Rect.Right; ++x)
                    pixels[static_cast<std::size_t>(y * 369 + x)] = f.Color;
        return pixels;
    };
    const fw::Color dots = Rgb(23, 39, 95);
    struct Pixel {
        const char* what;
        State state;
        int x, y;
        fw::Color colour;
    } pixels[] = {
        {"outer ring, bottom right", Pressed, 367, 19, Rgb(239, 239, 239)},
        {"inner ring, top right", Pressed, 366, 2, Rgb(167, 183, 239)},
        {"top line", Normal, 353, 3, Rgb(199, 215, 255)},
        {"top line end", Normal, 363, 3, Rgb(199, 215, 255)},
        {"shade 366", Normal, 366, 4, Rgb(171, 187, 243)},
        {"shade 365", Normal, 365, 17, Rgb(171, 187, 243)},
        {"shade 364", Normal, 364, 10, Rgb(175, 191, 247)},
        {"shade 363", Normal, 363, 4, Rgb(175, 191, 247)},
        {"shade 362", Normal, 362, 17, Rgb(179, 195, 251)},
        {"shade 361", Normal, 361, 4, Rgb(179, 195, 251)},
        {"face left of the shade", Normal, 360, 4, Rgb(183, 199, 255)},
        {"below the shade: inner ring", Normal, 365, 18, Rgb(167, 183, 239)},
        {"dot 1", Normal, 354, 9, dots},
        {"dot 3", Normal, 362, 10, dots},
        {"down but not hot looks normal", DownNotHot, 364, 3, Rgb(183, 199, 255)},
        {"down but not hot: dots stay", DownNotHot, 354, 9, dots},
        {"hot shade", Hot, 366, 4, Rgb(187, 203, 243)},
        {"pressed left shade, step 0", Pressed, 355, 12, Rgb(141, 157, 213)},
        {"pressed left shade, step 1", Pressed, 356, 4, Rgb(147, 163, 219)},
        {"pressed left shade over the right one", Pressed, 361, 4, Rgb(153, 169, 225)},
        {"pressed right shade", Pressed, 362, 4, Rgb(155, 171, 227)},
        {"pressed dot 3 moved", Pressed, 364, 11, dots},
        {"pressed: no dot where it stood", Pressed, 354, 9, Rgb(141, 157, 213)},
        {"outside the button: untouched", Normal, 350, 10, 0x123456},
    };
    for (const Pixel& p : pixels) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(paint(p.state)[static_cast<std::size_t>(p.y * 369 + p.x)], p.colour);
    }
}
