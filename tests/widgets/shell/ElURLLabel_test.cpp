// The link label in a window of its own: look, launch, accelerator, menu, hint, cursor.
#include "widgets/shell/ElURLLabel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../framework/BoxWatcher.h"
#include "../../framework/GuiTestUtil.h"
#include "LaunchRecorder.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "framework/Cursors.h"
#include "framework/Form.h"
#include "widgets/shell/ElHandPt.h"

namespace {

using fwtest::LaunchRecorder;

class LinkForm : public fw::Form {
public:
    LinkForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(300);
        SetClientHeight(100);
        link = new TElURLLabel(this);
        link->SetParent(this);
        link->SetBounds(20, 20, 80, 13);
        link->SetCaption(L"example.org");
        link->SetURL("http://example.org");
        target = new fw::WinControl(this);
        target->SetParent(this);
        target->SetBounds(20, 60, 40, 20);
        target->SetTabStop(true);
    }
    TElURLLabel* link;
    fw::WinControl* target;
};

class LinkLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<LinkForm>();
        form->Show();
        fwtest::Drain();
    }
    TElURLLabel& Link() { return *form->link; }
    void MoveTo(int x, int y) { SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void ClickLink() { fwtest::Click(form->Handle(), Link().Left() + 3, Link().Top() + 3); }
    void RightClickLink()
    {
        // The menu's loop runs inside the right click; close it from there.
        fwtest::InModalLoop closer([] { return EndMenu() != FALSE; }, 20000, 50);
        const LPARAM at = MAKELPARAM(Link().Left() + 3, Link().Top() + 3);
        SendMessageW(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
        SendMessageW(form->Handle(), WM_RBUTTONUP, 0, at);
        fwtest::Drain();
        EXPECT_TRUE(closer.Done()) << "a menu showed";
    }
    std::vector<fw::PopupMenu*> OwnedMenus()
    {
        std::vector<fw::PopupMenu*> menus;
        for (int i = 0; i < Link().ComponentCount(); ++i)
            if (auto* m = dynamic_cast<fw::PopupMenu*>(Link().Components(i)))
                menus.push_back(m);
        return menus;
    }

    LaunchRecorder launcher;
    std::unique_ptr<LinkForm> form;
};

TEST(LinkLabel, DefaultsColoursAndCaption)
{
    TElURLLabel link;
    EXPECT_EQ(link.GetFont().GetColor(), fw::clBlue);
    EXPECT_EQ(link.GetFont().Style(), unsigned{fw::fsUnderline});
    EXPECT_EQ(link.Cursor(), crURLCursor);
    EXPECT_TRUE(link.AutoSize());
    EXPECT_TRUE(link.Transparent());
    EXPECT_TRUE(link.ShowURLInHint());
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(link.VisitedColor(), fw::clBlue);
    EXPECT_EQ(link.HyperLinkColor(), fw::clBlue);
    EXPECT_EQ(link.HyperLinkStyle(), unsigned{fw::fsUnderline});
    EXPECT_TRUE(link.UseXPThemes());

    // Setting Visited never recolours; VisitedColor recolours only while Visited is set.
    link.SetVisitedColor(fw::clNavy);
    link.SetVisited(true);
    EXPECT_EQ(link.GetFont().GetColor(), fw::clBlue);
    link.SetVisitedColor(fw::clGray);
    EXPECT_EQ(link.GetFont().GetColor(), fw::clGray);

    // The UTF-16 caption and the framework's single-byte text follow each other.
    link.SetCaption(L"\u0421\u0430\u0439\u0442 \u4E2D");
    EXPECT_EQ(link.fw::Control::Caption(), "\xD1\xE0\xE9\xF2 ?");
    link.fw::Control::SetCaption("\xD1\xE0\xE9\xF2");
    EXPECT_EQ(link.Caption(), L"\u0421\u0430\u0439\u0442");
    link.SetHint(L"a|b");
    EXPECT_EQ(link.fw::Control::Hint(), std::string("a|b\0a\0|\0b\0\0\0\xFE\xFF", 14));
}

TEST_F(LinkLabelTest, HoverReplacesTheWholeStyleAndTakesColourChangesAtTheNextEnter)
{
    Link().GetFont().SetStyle(fw::fsBold);
    const struct Step {
        const char* what;
        int x, y;
        fw::Color hyperLinkColor;
        fw::Color colour;
        unsigned style;
    } steps[] = {
        {"enter: underlined, not bold", 22, 22, fw::clBlue, fw::clBlue, fw::fsUnderline},
        {"colour changed while over it", 24, 22, fw::clRed, fw::clBlue, fw::fsUnderline},
        {"leave: bold again", 200, 80, fw::clRed, fw::clBlue, fw::fsBold},
        {"next enter: the new colour", 22, 22, fw::clRed, fw::clRed, fw::fsUnderline},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Link().SetHyperLinkColor(s.hyperLinkColor);
        MoveTo(s.x, s.y);
        EXPECT_EQ(Link().GetFont().GetColor(), s.colour);
        EXPECT_EQ(Link().GetFont().Style(), s.style);
    }
}

TEST_F(LinkLabelTest, ClickLaunchesThePrefixedAddressThroughTheShell)
{
    const struct {
        const char* url;
        const wchar_t* opened;
    } cases[] = {
        {"www.example.org", L"http://www.example.org"},
        {"WWW.example.org", L"WWW.example.org"},
        {"@example.org", L"@example.org"},
        {"user@example.org", L"mailto:user@example.org"},
        {"ftp.example.org", L"ftp://ftp.example.org"},
        {"http://example.org/\xE0", L"http://example.org/\u0430"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        LaunchRecorder::Launches().clear();
        Link().SetURL(c.url);
        ClickLink();
        ASSERT_EQ(LaunchRecorder::Launches().size(), 1u);
        const fwtest::LaunchRecord& r = LaunchRecorder::Launches()[0];
        EXPECT_EQ(r.cbSize, 60u);
        EXPECT_EQ(r.fMask, 0x140u);
        EXPECT_EQ(r.hwnd, fw::Application::Instance().Handle());
        EXPECT_EQ(r.verb, L"Open");
        EXPECT_EQ(r.file, c.opened);
        EXPECT_FALSE(r.parameters);
        EXPECT_FALSE(r.directory);
        EXPECT_EQ(r.show, SW_SHOWNORMAL);
        EXPECT_TRUE(Link().Visited());
    }
    // An empty address: the click event runs, nothing opens.
    int clicks = 0;
    Link().OnClick = [&] { ++clicks; };
    Link().SetURL("");
    LaunchRecorder::Launches().clear();
    ClickLink();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(LaunchRecorder::Launches().empty());
}

TEST(LinkLabel, TheLaunchClosesTheProcessHandleItGets)
{
    HANDLE process = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ASSERT_NE(process, nullptr);
    {
        LaunchRecorder launcher(process);
        EXPECT_TRUE(LaunchURL("www.example.org"));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(process, &flags)) << "closed by the launch";
    LaunchRecorder none;
    EXPECT_TRUE(LaunchURL("www.example.org")) << "a launch without a process handle";
}

TEST_F(LinkLabelTest, DisabledLabelIgnoresClicksAcceleratorAndJump)
{
    Link().SetCaption(L"&Site");
    Link().SetFocusControl(form->target);
    form->target->SetEnabled(false);  // the accelerator would click
    RightClickLink();
    ASSERT_EQ(OwnedMenus().size(), 1u);
    fw::PopupMenu& menu = *OwnedMenus()[0];
    Link().SetEnabled(false);
    ClickLink();
    SendMessageW(form->Handle(), WM_SYSCHAR, 's', 0);
    menu.Items(0).onClick();
    Link().FollowLink();
    EXPECT_TRUE(LaunchRecorder::Launches().empty());
    EXPECT_FALSE(Link().Visited());
    EXPECT_EQ(Link().GetFont().GetColor(), fw::clBlue);
    // Its right click is the form's: no new menu.
    SendMessageW(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(Link().Left() + 3, Link().Top() + 3));
    EXPECT_EQ(OwnedMenus().size(), 1u);
}

TEST_F(LinkLabelTest, AcceleratorFocusesTheFocusControlOrClicks)
{
    Link().SetCaption(L"&Site");
    const struct Step {
        const char* what;
        bool focusControl;
        bool targetEnabled;
        bool showAccelChar;
        wchar_t key;
        bool focused;
        size_t launches;
    } steps[] = {
        {"no focus control: nothing", false, true, true, L's', false, 0},
        {"focus control takes the focus", true, true, true, L'S', true, 0},
        {"focus control disabled: the click runs", true, false, true, L's', false, 1},
        {"another letter", true, false, true, L'x', false, 0},
        {"accelerators off", true, false, false, L's', false, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        LaunchRecorder::Launches().clear();
        SetFocus(form->Handle());
        Link().SetFocusControl(s.focusControl ? form->target : nullptr);
        Link().SetShowAccelChar(s.showAccelChar);
        form->target->SetEnabled(s.targetEnabled);
        SendMessageW(form->Handle(), WM_SYSCHAR, s.key, 0);
        EXPECT_EQ(GetFocus() == form->target->Handle(), s.focused);
        EXPECT_EQ(LaunchRecorder::Launches().size(), s.launches);
    }
}

TEST_F(LinkLabelTest, EachRightClickBuildsTheLinkMenuAndFreesThePreviousOne)
{
    RightClickLink();
    RightClickLink();
    std::vector<fw::PopupMenu*> menus = OwnedMenus();
    ASSERT_EQ(menus.size(), 1u) << "one menu, owned by the label";
    fw::PopupMenu& menu = *menus[0];
    ASSERT_EQ(menu.ItemCount(), 2);
    EXPECT_EQ(menu.Items(0).caption, "&Jump to URL");
    EXPECT_EQ(menu.Items(1).caption, "&Copy URL");

    fw::Clipboard::SetText("before");
    menu.Items(1).onClick();
    EXPECT_EQ(fw::Clipboard::GetText(), "http://example.org");
    menu.Items(0).onClick();
    ASSERT_EQ(LaunchRecorder::Launches().size(), 1u);
    EXPECT_EQ(LaunchRecorder::Launches()[0].file, L"http://example.org");

    // An assigned menu is shown as it is, and the label builds none.
    fw::PopupMenu own(form.get());
    own.Add("Other");
    int shown = 0;
    own.OnPopup = [&] { ++shown; };
    Link().SetPopupMenu(&own);
    RightClickLink();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(own.ItemCount(), 1);
    EXPECT_EQ(OwnedMenus().size(), 1u);
    Link().SetPopupMenu(nullptr);
}

TEST_F(LinkLabelTest, HintIsTheLabelsOwnOrItsAddress)
{
    const POINT on = {Link().Left() + 2, Link().Top() + 2};
    const struct {
        const char* what;
        bool showHint;
        bool showURL;
        const wchar_t* hint;
        const char* shown;  // what a hint window shows: up to the first zero byte
    } cases[] = {
        {"hints off", false, true, L"", ""},
        {"the address", true, true, L"", "http://example.org"},
        {"no address as hint", true, false, L"", ""},
        {"its own hint, short part", true, true, L"Site|The project's site", "Site"},
        {"its own hint without parts", true, false, L"Site", "Site"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Link().SetShowHint(c.showHint);
        Link().SetShowURLInHint(c.showURL);
        Link().SetHint(c.hint);
        const std::string hint = form->HintAt(on);
        EXPECT_EQ(std::string(hint.c_str()), c.shown);
        if (*c.shown) {
            EXPECT_EQ(hint.size(), strlen(c.shown) * 3 + 5) << "encoded";
        }
    }
}

TEST_F(LinkLabelTest, CursorOverTheLabelIsTheHand)
{
    RegisterHandCursor();
    HCURSOR hand = fw::ScreenCursor(crURLCursor);
    ASSERT_NE(hand, LoadCursorW(nullptr, IDC_ARROW));
    RegisterHandCursor();
    EXPECT_EQ(fw::ScreenCursor(crURLCursor), hand) << "registered once";
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 1u);
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64) << "two colours: both masks in one bitmap";
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);

    POINT before;
    GetCursorPos(&before);
    POINT onLink = Link().ClientToScreen(POINT{3, 3});
    ASSERT_TRUE(SetCursorPos(onLink.x, onLink.y));
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
    SetCursorPos(before.x, before.y);
}

// The real shell, on an address nothing can open: whatever the shell shows is closed;
// the label shows nothing of its own and still turns to its visited colour.
TEST_F(LinkLabelTest, AnAddressThatCannotOpenStillMarksTheLinkVisited)
{
    Link().SetVisitedColor(fw::clNavy);
    Link().SetURL("xptable-no-such-scheme:nowhere");
    bool ourBox = false;
    {
        testing_support::BoxWatcher watcher;
        fwtest::InModalLoop dialogs([] {
            if (HWND d = fwtest::FindThreadDialog())
                PostMessageW(d, WM_CLOSE, 0, 0);
            return false;
        }, 3000);
        ReplaceShellExecute(nullptr);  // the shell itself, for this one test
        ClickLink();
        fwtest::Drain();
        const testing_support::SeenBox& seen = watcher.Seen();
        ourBox = seen.found && seen.caption == fw::Widen(fw::Application::Instance().Title());
    }
    EXPECT_FALSE(ourBox);
    EXPECT_TRUE(LaunchRecorder::Launches().empty()) << "the real shell had it";
    EXPECT_TRUE(Link().Visited());
    EXPECT_EQ(Link().GetFont().GetColor(), fw::clNavy);
}

}  // namespace
