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

namespace {

using namespace fw::literals;

int TextWidth(const fw::Control& control, const std::string& text)
{
    fw::MemoryDC dc;
    fw::Canvas canvas(dc.Get());
    canvas.SetFont(control.GetFont());
    return canvas.TextWidth(text);
}

// The rightmost column of [x0, x1) with a pixel in rows [top, bottom) that is not
// `face`, or -1.
int InkEnd(const fwtest::Snapshot& shot, int x0, int x1, int top, int bottom, std::uint32_t face)
{
    for (int x = x1 - 1; x >= x0; --x)
        for (int y = top; y < bottom; ++y)
            if (shot.At(x, y) != face)
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
    RECT client, outer;
    GetClientRect(about->Handle(), &client);
    GetWindowRect(about->Handle(), &outer);
    EXPECT_EQ(client.right * 1000 + client.bottom, 362118);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";
    EXPECT_TRUE(GetWindowLongW(about->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongW(about->Handle(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              WS_SYSMENU);

    const struct {
        const fw::Control* control;
        RECT bounds;     // a right edge of 0: sized to its text; a bottom of 0: to its font
        int margin = 0;  // beside the text on each side
    } layout[] = {
        {about->Image1, {8, 12, 40, 44}},         {about->LMDLabelFill1, {48, 9, 0, 0}, 1},
        {about->Label1, {48, 32, 357, 77}},       {about->Label2, {48, 80, 149, 109}},
        {about->ElURLLabel1, {147, 93, 0, 106}},  {about->SpeedButton1, {284, 84, 353, 109}},
    };
    for (const auto& l : layout) {
        SCOPED_TRACE(l.control->Name());
        const RECT b = l.control->BoundsRect();
        EXPECT_EQ(b.left * 1000 + b.top, l.bounds.left * 1000 + l.bounds.top);
        if (l.bounds.right)
            EXPECT_EQ(b.right * 1000 + b.bottom, l.bounds.right * 1000 + l.bounds.bottom);
        else
            EXPECT_EQ(b.right - b.left, TextWidth(*l.control, l.control->Caption()) + 2 * l.margin);
        if (!l.bounds.right && l.bounds.bottom) {
            EXPECT_EQ(b.bottom, l.bounds.bottom);
        }
    }
    const fw::Font& title = about->LMDLabelFill1->GetFont();
    EXPECT_TRUE(title.Name() == "Arial" && title.Height() == 15 && title.Style() == fw::fsBold &&
                title.GetColor() == fw::clWindowText);
    EXPECT_EQ(about->LMDLabelFill1->Caption(), "Редактор таблицы опыта для BG2 / BGT"_cp1251);

    // The author line fits its label; the link ends before the close button. Widths in
    // Wine's MS Sans Serif (the author line and the link's caption are this program's own).
    const std::string author = about->Label2->Caption().substr(0, about->Label2->Caption().find('\r'));
    const int authorWidth = TextWidth(*about->Label2, author);
    EXPECT_EQ(authorWidth, 83) << author;
    const TElURLLabel& link = *about->ElURLLabel1;
    EXPECT_EQ(link.Width(), 94);
    EXPECT_LT(link.Left() + link.Width(), 284);
    EXPECT_EQ(link.URL(), "http://" + link.fw::Control::Caption());
    EXPECT_EQ(link.URL().find(':', 5), std::string::npos) << "one scheme only";
    EXPECT_TRUE(link.Visited() && !link.ShowURLInHint() && link.VisitedColor() == fw::clNavy);
    std::printf("author line %d px; link %d px wide, ending at x %d\n", authorWidth, link.Width(),
                link.Left() + link.Width());

    // Painted: three description lines of 13 pixels broken at the lone carriage returns,
    // nothing below; Label2's second line on the link's line, ending left of it; the icon.
    const std::string& text = about->Label1->Caption();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    fwtest::Snapshot shot(*about);
    const std::uint32_t face = shot.At(2, 2);
    const int line = 13;
    for (int i = 0; i < 3; ++i)
        EXPECT_GE(InkEnd(shot, 48, 357, 32 + i * line, 32 + (i + 1) * line, face), 0) << "line " << i;
    EXPECT_EQ(InkEnd(shot, 48, 357, 32 + 3 * line + 1, 77, face), -1);
    const int labelEnd = InkEnd(shot, 48, 147, 93, 93 + line, face);
    EXPECT_EQ(labelEnd, 142) << "the end of \"Веб-сайт проекта -\"";
    EXPECT_GE(InkEnd(shot, 147, 284, 93, 93 + line, face), 147) << "the link";
    EXPECT_GE(InkEnd(shot, 8, 40, 12, 44, face), 8) << "the icon";
}

// The link's look as the window first shows it and over enter, click and leave.
TEST_F(AboutWindowTest, LinkLooksBlueThenUnderlinedThenNavyThenBlueAgain)
{
    fwtest::LaunchRecorder launcher;
    TElURLLabel& link = *about->ElURLLabel1;
    const HWND window = about->Handle();
    const struct {
        const char* what;
        std::function<void()> act;
        fw::Color colour;
        bool underlined;
    } steps[] = {
        {"window shown", [] {}, fw::clBlue, false},
        {"mouse enters", [&] { SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(150, 96)); }, fw::clBlue, true},
        {"click", [&] { fwtest::Click(window, 150, 96); }, fw::clNavy, true},
        {"mouse leaves", [&] { SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(300, 20)); }, fw::clBlue, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(link.GetFont().GetColor(), s.colour);
        EXPECT_EQ(link.GetFont().Style(), s.underlined ? unsigned{fw::fsUnderline} : 0u);
        // Painted so: text in the colour, and an underline as a long run of it.
        fwtest::Snapshot shot(*about);
        const RECT b = link.BoundsRect();
        int longest = 0, pixels = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left, run = 0; x < b.right; ++x) {
                run = shot.At(x, y) == static_cast<std::uint32_t>(s.colour) ? run + 1 : 0;
                pixels += run > 0;
                longest = std::max(longest, run);
            }
        EXPECT_GT(pixels, 20);
        EXPECT_EQ(longest > (b.right - b.left) * 3 / 4, s.underlined);
    }
    ASSERT_EQ(fwtest::LaunchRecorder::Launches().size(), 1u);
    EXPECT_EQ(fwtest::LaunchRecorder::Launches()[0].file, fw::Widen(link.URL()));
}

// While the About window shows, a real click on the main window does nothing; afterwards
// the main window is unchanged and the same click works. It shows as often as asked.
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
        const DWORD buttons[] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
        for (int i = 0; i < 3; ++i) {
            in[i].type = INPUT_MOUSE;
            in[i].mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
            in[i].mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
            in[i].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons[i];
        }
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
            if (ticks++ == 0)
                clickList();
            if (ticks < 10)  // the click arrives meanwhile
                return false;
            droppedMeanwhile = dropped();
            fwtest::Click(about.Handle(), 318, 96);  // "Закрыть"
            return true;
        });
        main->SpeedButton2Click();
        EXPECT_TRUE(driver.Done() && !droppedMeanwhile);
        EXPECT_TRUE(!IsWindowVisible(about.Handle()) && IsWindowEnabled(main->Handle()));
        EXPECT_EQ(list.ItemIndex(), 1);
        EXPECT_EQ(main->StringGrid1->Cells(1, 1), cell);
    }
    clickList();
    for (int i = 0; i < 200 && !dropped(); ++i) {
        Sleep(10);
        fwtest::Drain();
    }
    EXPECT_TRUE(dropped()) << "the same click works now";
    SendMessageW(list.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    fwtest::Drain();
    main->AboutForm = nullptr;
}

}  // namespace
