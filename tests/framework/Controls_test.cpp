#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GuiTestUtil.h"
#include "framework/ComboBox.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/SpeedButton.h"

namespace {

constexpr fw::Color kPaleYellow = 14811134;  // 0xE1FFFE

class ControlsForm : public fw::Form {
public:
    ControlsForm()
    {
        fw::LoadingScope loading(*this);
        SetBorderStyle(fw::bsSingle);
        SetClientWidth(392);
        SetClientHeight(200);
        label = new fw::Label(this);
        label->SetParent(this);
        label->SetBounds(12, 12, 265, 17);
        label->SetCaption("Caption");
        label->GetFont().SetColor(fw::clGray);
        combo = new fw::ComboBox(this);
        combo->SetParent(this);
        combo->SetBounds(12, 32, 369, 21);
        combo->SetItems({"zero", "one", "two", "three", "four", "five", "six"});
        combo->SetColor(kPaleYellow);
        combo->SetItemHeight(13);
        combo->OnChange = [this] { changes.push_back(combo->ItemIndex()); };
        button = new fw::SpeedButton(this);
        button->SetParent(this);
        button->SetBounds(288, 150, 93, 25);
        button->SetCaption("Write");
        // Two 15 x 16 pictures: red (normal) then grey (disabled); bottom-left pixel is
        // the see-through colour (white).
        std::vector<std::uint32_t> strip(30 * 16, 0xFF0000);
        for (int y = 0; y < 16; ++y)
            for (int x = 15; x < 30; ++x)
                strip[y * 30 + x] = 0x808080;
        strip[15 * 30 + 0] = 0xFFFFFF;
        strip[15 * 30 + 15] = 0xFFFFFF;
        button->SetGlyph(fw::Bitmap(30, 16, strip));
        button->SetNumGlyphs(2);
        button->OnClick = [this] { ++clicks; };
    }
    fw::Label* label;
    fw::ComboBox* combo;
    fw::SpeedButton* button;
    std::vector<int> changes;
    int clicks = 0;
};

class ControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<ControlsForm>();
        form->Show();
        fwtest::Drain();
    }
    std::unique_ptr<ControlsForm> form;
};

TEST_F(ControlsTest, ComboBoxRaisesChangeForUserSelectionsOnly)
{
    fw::ComboBox& c = *form->combo;
    HWND h = c.Handle();
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<int> changes;
        int index;
    } steps[] = {
        {"program sets index", [&] { c.SetItemIndex(1); }, {}, 1},
        {"Down in the closed list", [&] { fwtest::KeyDown(h, VK_DOWN); }, {2}, 2},
        {"two more steps", [&] { fwtest::KeyDown(h, VK_DOWN); fwtest::KeyDown(h, VK_DOWN); }, {3, 4}, 4},
        {"Up", [&] { fwtest::KeyDown(h, VK_UP); }, {3}, 3},
        {"program sets index again", [&] { c.SetItemIndex(6); }, {}, 6},
        {"mouse picks item 2 in the dropped list",
         [&] {
             SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
             fwtest::Drain();
             COMBOBOXINFO info = {};
             info.cbSize = sizeof(info);
             GetComboBoxInfo(h, &info);
             RECT item;
             SendMessageW(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
             const LPARAM at = MAKELPARAM(item.left + 5, item.top + 3);
             SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
             SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
             SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
             fwtest::Drain();
         },
         {2}, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        form->changes.clear();
        s.act();
        fwtest::Drain();
        EXPECT_EQ(form->changes, s.changes);
        EXPECT_EQ(c.ItemIndex(), s.index);
    }
    EXPECT_FALSE(c.DroppedDown());
    EXPECT_EQ(c.Text(), "two");
}

TEST_F(ControlsTest, ComboBoxAnswersColourRequestsWithItsOwnColour)
{
    fw::ComboBox& c = *form->combo;
    HDC dc = GetDC(c.Handle());
    struct Case {
        const char* what;
        HWND to;
        UINT message;
    } cases[] = {
        {"list asks the combo", c.Handle(), WM_CTLCOLORLISTBOX},
        {"field asks the parent", form->Handle(), WM_CTLCOLORLISTBOX},
        {"disabled field asks the parent", form->Handle(), WM_CTLCOLORSTATIC},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        SetBkColor(dc, RGB(1, 2, 3));
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(k.to, k.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.Handle())));
        ASSERT_NE(brush, nullptr);
        LOGBRUSH lb = {};
        GetObjectW(brush, sizeof(lb), &lb);
        EXPECT_EQ(lb.lbColor, RGB(0xFE, 0xFF, 0xE1));
        EXPECT_EQ(GetBkColor(dc), RGB(0xFE, 0xFF, 0xE1));
    }
    ReleaseDC(c.Handle(), dc);
    EXPECT_EQ(c.ItemHeight(), 13);
}

TEST_F(ControlsTest, DisabledComboBoxNeitherOpensNorTakesFocusFromTheUser)
{
    fw::ComboBox& c = *form->combo;
    c.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(c.Handle()));
    EXPECT_FALSE(c.CanFocus());
    // What the user's click would reach: the system does not deliver to disabled windows.
    POINT inside = {c.Left() + 20, c.Top() + 10};
    HWND hit = ChildWindowFromPointEx(form->Handle(), inside, CWP_SKIPDISABLED);
    EXPECT_NE(hit, c.Handle());
    c.SetEnabled(true);
    EXPECT_EQ(ChildWindowFromPointEx(form->Handle(), inside, CWP_SKIPDISABLED), c.Handle());
}

TEST_F(ControlsTest, SpeedButtonClicksOnlyWhenEnabledAndNeverTakesFocus)
{
    fw::SpeedButton& b = *form->button;
    HWND f = form->Handle();
    form->combo->SetFocus();
    fwtest::Drain();
    const POINT centre = {b.Left() + 40, b.Top() + 12};
    struct Case {
        const char* what;
        bool enabled;
        POINT down, up;
        int clicks;
    } cases[] = {
        {"enabled click", true, centre, centre, 1},
        {"press inside, release outside", true, centre, {b.Left() - 30, b.Top() - 30}, 0},
        {"disabled click", false, centre, centre, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        form->clicks = 0;
        b.SetEnabled(k.enabled);
        SendMessageW(f, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(k.down.x, k.down.y));
        SendMessageW(f, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(k.up.x, k.up.y));
        SendMessageW(f, WM_LBUTTONUP, 0, MAKELPARAM(k.up.x, k.up.y));
        fwtest::Drain();
        EXPECT_EQ(form->clicks, k.clicks);
        EXPECT_EQ(GetFocus(), form->combo->Handle()) << "the button never takes the focus";
    }
}

TEST_F(ControlsTest, SpeedButtonShowsTheStripPictureOfItsState)
{
    fw::SpeedButton& b = *form->button;
    struct Case {
        const char* what;
        bool enabled;
        COLORREF glyph;
    } cases[] = {{"enabled: first picture", true, RGB(0xFF, 0, 0)}, {"disabled: second picture", false, RGB(0x80, 0x80, 0x80)}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        b.SetEnabled(k.enabled);
        fwtest::Snapshot shot(*form);
        // Find the glyph's left edge on the button's middle line.
        const int y = b.Top() + 12;
        int found = -1;
        for (int x = b.Left() + 2; x < b.Left() + b.Width() - 2 && found < 0; ++x)
            if (shot.At(x, y) == k.glyph)
                found = x;
        ASSERT_GE(found, 0);
        EXPECT_EQ(shot.At(found + 7, y), k.glyph);
        // The see-through corner shows the face, not white.
        EXPECT_EQ(shot.At(found, b.Top() + (25 - 16 + 1) / 2 + 15), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(shot.At(b.Left() + 3, b.Top() + 3), GetSysColor(COLOR_BTNFACE));
    }
}

TEST_F(ControlsTest, LabelRepaintsWhenItsFontColourChanges)
{
    fw::Label& l = *form->label;
    auto inkOf = [&](COLORREF ink) {
        fwtest::Snapshot shot(*form);
        int count = 0;
        for (int y = l.Top(); y < l.Top() + l.Height(); ++y)
            for (int x = l.Left(); x < l.Left() + 60; ++x)
                count += shot.At(x, y) == ink;
        return count;
    };
    EXPECT_GT(inkOf(RGB(0x80, 0x80, 0x80)), 10);
    EXPECT_EQ(inkOf(RGB(0, 0, 0)), 0);
    ValidateRect(form->Handle(), nullptr);
    l.GetFont().SetColor(fw::clBlack);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &dirty, FALSE));
    EXPECT_LE(dirty.left, l.Left());
    EXPECT_GE(dirty.right, l.Left() + l.Width());
    EXPECT_GT(inkOf(RGB(0, 0, 0)), 10);
    EXPECT_EQ(inkOf(RGB(0x80, 0x80, 0x80)), 0);
    EXPECT_FALSE(l.ParentFont());
    // A transparent label leaves the form's face under its empty part.
    l.SetTransparent(true);
    l.SetColor(fw::clRed);
    fwtest::Snapshot shot(*form);
    EXPECT_EQ(shot.At(l.Left() + l.Width() - 2, l.Top() + 2), GetSysColor(COLOR_BTNFACE));
    l.SetTransparent(false);
    fwtest::Snapshot opaque(*form);
    EXPECT_EQ(opaque.At(l.Left() + l.Width() - 2, l.Top() + 2), RGB(0xFF, 0, 0));
}

}  // namespace
