// The About window: its layout, what it paints, the link's look, and its modality.
#include "app/Unit2.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "../framework/GuiTestUtil.h"
#include "../widgets/shell/LaunchRecorder.h"
#include "app/Unit1.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Gdi.h"
#include "widgets/shell/ElHandPt.h"

namespace {

using namespace fw::literals;

int TextWidth(const fw::Control& control, const std::string& text)
{
    fw::MemoryDC dc;
    fw::Canvas canvas(dc.Get());
    canvas.SetFont(control.GetFont());
    return canvas.TextWidth(text);
}

// Whether any pixel of the rows [top, bottom) between x0 and x1 differs from `face`.
bool Inked(const fwtest::Snapshot& shot, int x0, int x1, int top, int bottom, std::uint32_t face)
{
    for (int y = top; y < bottom; ++y)
        for (int x = x0; x < x1; ++x)
            if (shot.At(x, y) != face)
                return true;
    return false;
}

// The rightmost inked column of the rows [top, bottom) between x0 and x1, or -1.
int InkEnd(const fwtest::Snapshot& shot, int x0, int x1, int top, int bottom, std::uint32_t face)
{
    for (int x = x1 - 1; x >= x0; --x)
        if (Inked(shot, x, x + 1, top, bottom, face))
            return x;
    return -1;
}

class AboutWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        about = std::make_unique<TForm2>();
        about->Show();
        fwtest::Drain();
    }
    std::unique_ptr<TForm2> about;
};

TEST_F(AboutWindowTest, WindowAndControlsSitWhereTheLayoutPutsThem)
{
    EXPECT_EQ(about->Caption(), "  О программе..."_cp1251);
    RECT client;
    GetClientRect(about->Handle(), &client);
    EXPECT_EQ(client.right, 362);
    EXPECT_EQ(client.bottom, 118);
    const LONG style = GetWindowLongW(about->Handle(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(about->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT outer;
    GetWindowRect(about->Handle(), &outer);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";

    const struct {
        const fw::Control* control;
        RECT bounds;  // a right edge of 0: sized to its text
    } layout[] = {
        {about->Image1, {8, 12, 40, 44}},
        {about->LMDLabelFill1, {48, 9, 0, 0}},
        {about->Label1, {48, 32, 357, 77}},
        {about->Label2, {48, 80, 149, 109}},
        {about->ElURLLabel1, {147, 93, 0, 0}},
        {about->SpeedButton1, {284, 84, 353, 109}},
    };
    for (const auto& l : layout) {
        SCOPED_TRACE(l.control->Name());
        const RECT b = l.control->BoundsRect();
        EXPECT_EQ(b.left, l.bounds.left);
        EXPECT_EQ(b.top, l.bounds.top);
        if (l.bounds.right) {
            EXPECT_EQ(b.right, l.bounds.right);
            EXPECT_EQ(b.bottom, l.bounds.bottom);
        } else {
            EXPECT_EQ(b.right - b.left, TextWidth(*l.control, l.control->Caption()));
        }
    }
    EXPECT_NE(about->Image1->Icon(), nullptr);
    const fw::Font& title = about->LMDLabelFill1->GetFont();
    EXPECT_EQ(title.Name(), "Arial");
    EXPECT_EQ(title.Height(), 15);
    EXPECT_EQ(title.Style(), unsigned{fw::fsBold});
    EXPECT_EQ(title.GetColor(), fw::clWindowText);
    EXPECT_EQ(about->LMDLabelFill1->Caption(), "Редактор таблицы опыта для BG2 / BGT"_cp1251);
    EXPECT_EQ(about->SpeedButton1->Caption(), "Закрыть"_cp1251);

    // The author line fits its label; the link ends before the close button.
    const std::string author = about->Label2->Caption().substr(0, about->Label2->Caption().find('\r'));
    const int authorWidth = TextWidth(*about->Label2, author);
    EXPECT_LE(authorWidth, 101) << author;
    const TElURLLabel& link = *about->ElURLLabel1;
    EXPECT_LT(link.Left() + link.Width(), 284);
    EXPECT_EQ(link.URL(), "http://" + link.fw::Control::Caption());
    EXPECT_EQ(link.URL().find("http://", 1), std::string::npos);
    EXPECT_EQ(link.Cursor(), crURLCursor);
    EXPECT_FALSE(link.ShowURLInHint());
    EXPECT_EQ(link.VisitedColor(), fw::clNavy);
    EXPECT_EQ(link.HyperLinkStyle(), unsigned{fw::fsUnderline});
    std::printf("author line %d px; link %d px wide, ending at x %d\n", authorWidth, link.Width(),
                link.Left() + link.Width());
}

TEST_F(AboutWindowTest, TextLinesFallWhereTheCarriageReturnsAndTheLinkPutThem)
{
    const std::string& text = about->Label1->Caption();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_EQ(text.find('\n'), std::string::npos);

    fwtest::Snapshot shot(*about);
    const std::uint32_t face = shot.At(2, 2);
    const int line = about->Label2->Height() / 2;  // Label2 holds two lines
    ASSERT_GT(line, 10);
    // Label1: ink on each of three lines, none below them.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Inked(shot, 48, 357, 32 + i * line, 32 + (i + 1) * line, face));
    }
    EXPECT_FALSE(Inked(shot, 48, 357, 32 + 3 * line + 1, 77, face));
    // Label2's second line shares the link's line and ends left of it.
    EXPECT_TRUE(Inked(shot, 48, 147, 93, 93 + line, face));
    EXPECT_LT(InkEnd(shot, 48, 147, 93, 93 + line, face), 146);
    EXPECT_TRUE(Inked(shot, 147, 284, 93, 93 + line, face)) << "the link";
    EXPECT_TRUE(Inked(shot, 8, 40, 12, 44, face)) << "the icon";
}

// The link's look as the window first shows it and over enter, click and leave.
TEST_F(AboutWindowTest, LinkLooksBlueThenUnderlinedThenNavyThenBlueAgain)
{
    fwtest::LaunchRecorder launcher;
    TElURLLabel& link = *about->ElURLLabel1;
    const HWND window = about->Handle();
    const int x = link.Left() + 3, y = link.Top() + 3;
    const struct Step {
        const char* what;
        std::function<void()> act;
        fw::Color colour;
        bool underlined;
    } steps[] = {
        {"window shown", [] {}, fw::clBlue, false},
        {"mouse enters", [&] { SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }, fw::clBlue, true},
        {"click", [&] { fwtest::Click(window, x, y); }, fw::clNavy, true},
        {"mouse leaves", [&] { SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(300, 20)); }, fw::clBlue, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_TRUE(link.Visited());
        EXPECT_EQ(link.GetFont().GetColor(), s.colour);
        EXPECT_EQ(link.GetFont().Style(), s.underlined ? unsigned{fw::fsUnderline} : 0u);
        // Painted so: text in the colour, and an underline as a row of it.
        fwtest::Snapshot shot(*about);
        const RECT b = link.BoundsRect();
        int longestRun = 0;
        bool coloured = false;
        for (int row = b.top; row < b.bottom; ++row) {
            int run = 0;
            for (int col = b.left; col < b.right; ++col) {
                const bool hit = shot.At(col, row) == static_cast<std::uint32_t>(s.colour);
                coloured |= hit;
                run = hit ? run + 1 : 0;
                longestRun = std::max(longestRun, run);
            }
        }
        EXPECT_TRUE(coloured);
        EXPECT_EQ(longestRun > (b.right - b.left) * 3 / 4, s.underlined);
    }
    ASSERT_EQ(fwtest::LaunchRecorder::Launches().size(), 1u);
    EXPECT_EQ(fwtest::LaunchRecorder::Launches()[0].file, fw::Widen(link.URL()));
}

// While the About window shows, real input to the main window does nothing; afterwards
// the main window works as before, unchanged. The window can be shown again.
TEST(AboutWindowModality, TheMainWindowTakesNoInputMeanwhile)
{
    auto main = std::make_unique<TForm1>();
    TForm2 about;
    main->AboutForm = &about;
    main->Show();
    main->SCButtonEdit1->SetText("C:\\Games");
    fwtest::Drain();
    fw::ComboBox& list = *main->ComboBox1;
    auto clickList = [&] {
        POINT p = list.ClientToScreen(POINT{list.Width() / 2, list.Height() / 2});
        INPUT in[3] = {};
        for (INPUT& i : in) {
            i.type = INPUT_MOUSE;
            i.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
            i.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
            i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        }
        in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        SendInput(3, in, sizeof(INPUT));
    };
    auto dropped = [&] { return SendMessageW(list.Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    const std::string cell = main->StringGrid1->Cells(1, 1);

    for (int showing = 0; showing < 2; ++showing) {
        SCOPED_TRACE(showing);
        int ticks = 0;
        bool droppedMeanwhile = true;
        fwtest::InModalLoop driver([&] {
            if (!IsWindowVisible(about.Handle()))
                return false;
            if (ticks++ == 0) {
                clickList();
                return false;
            }
            if (ticks < 10)  // let the click arrive
                return false;
            droppedMeanwhile = dropped();
            fwtest::Click(about.Handle(), 318, 96);  // "Закрыть"
            return true;
        });
        main->SpeedButton2Click();
        EXPECT_TRUE(driver.Done());
        EXPECT_FALSE(droppedMeanwhile) << "the click reached the main window";
        EXPECT_FALSE(IsWindowVisible(about.Handle()));
        EXPECT_TRUE(IsWindowEnabled(main->Handle()));
        EXPECT_EQ(list.ItemIndex(), 1);
        EXPECT_EQ(main->StringGrid1->Cells(1, 1), cell);
    }
    // And the same click reaches it now.
    clickList();
    const DWORD start = GetTickCount();
    while (!dropped() && GetTickCount() - start < 2000) {
        Sleep(10);
        fwtest::Drain();
    }
    EXPECT_TRUE(dropped());
    SendMessageW(list.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    fwtest::Drain();
    main->AboutForm = nullptr;
}

}  // namespace
