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
#include "widgets/shell/ElShellUtils.h"

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
        link->SetCaption(L"&Site");
        link->SetURL("http://example.org");
        target = new fw::WinControl(this);
        target->SetParent(this);
        target->SetBounds(20, 60, 40, 20);
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
    void ClickLink() { fwtest::Click(form->Handle(), 23, 23); }
    void RightClickLink()
    {
        // The menu's loop runs inside the right click; close it from there.
        fwtest::InModalLoop closer([] { return EndMenu() != FALSE; }, 20000, 50);
        SendMessageW(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(23, 23));
        SendMessageW(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(23, 23));
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

TEST(LinkLabel, DefaultsColoursAndUtf16Texts)
{
    TElURLLabel link;
    EXPECT_EQ(link.GetFont().GetColor(), fw::clBlue);
    EXPECT_EQ(link.GetFont().Style(), unsigned{fw::fsUnderline});
    EXPECT_EQ(link.Cursor(), crURLCursor);
    EXPECT_TRUE(link.AutoSize() && link.Transparent() && link.ShowURLInHint() && !link.Visited());

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
    const struct {
        const char* what;
        int x;
        fw::Color hyperLinkColor, colour;
        unsigned style;
    } steps[] = {
        {"enter: underlined, not bold", 22, fw::clBlue, fw::clBlue, fw::fsUnderline},
        {"colour changed while over it", 24, fw::clRed, fw::clBlue, fw::fsUnderline},
        {"leave: bold again", 200, fw::clRed, fw::clBlue, fw::fsBold},
        {"next enter: the new colour", 22, fw::clRed, fw::clRed, fw::fsUnderline},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        Link().SetHyperLinkColor(s.hyperLinkColor);
        SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(s.x, 22));
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
        {"http://example.org/\xE0", L"http://example.org/\u0430"},  // converted from code page 1251
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        LaunchRecorder::Launches().clear();
        Link().SetURL(c.url);
        ClickLink();
        ASSERT_EQ(LaunchRecorder::Launches().size(), 1u);
        const SHELLEXECUTEINFOW& r = LaunchRecorder::Launches()[0].info;
        EXPECT_EQ(r.cbSize, 60u);
        EXPECT_EQ(r.fMask, 0x140u);
        EXPECT_EQ(r.hwnd, fw::Application::Instance().Handle());
        EXPECT_EQ(LaunchRecorder::Launches()[0].verb, L"Open");
        EXPECT_EQ(LaunchRecorder::Launches()[0].file, c.opened);
        EXPECT_TRUE(!r.lpParameters && !r.lpDirectory);
        EXPECT_EQ(r.nShow, SW_SHOWNORMAL);
    }
    // An empty address: the click event runs, nothing opens.
    int clicks = 0;
    Link().OnClick = [&] { ++clicks; };
    Link().SetURL("");
    LaunchRecorder::Launches().clear();
    ClickLink();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(LaunchRecorder::Launches().empty());
    // A process handle that comes back is closed.
    HANDLE process = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    LaunchRecorder withProcess(process);
    EXPECT_TRUE(LaunchURL("www.example.org"));
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(process, &flags));
}

TEST_F(LinkLabelTest, AcceleratorFocusesTheFocusControlOrClicks)
{
    form->target->SetTabStop(true);
    const struct {
        const char* what;
        bool focusControl, targetEnabled, labelEnabled;
        wchar_t key;
        bool focused;
        size_t launches;
    } steps[] = {
        {"no focus control: nothing", false, true, true, L's', false, 0},
        {"focus control takes the focus", true, true, true, L'S', true, 0},
        {"focus control disabled: the click runs", true, false, true, L's', false, 1},
        {"another letter", true, false, true, L'x', false, 0},
        {"label disabled", true, false, false, L's', false, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        LaunchRecorder::Launches().clear();
        SetFocus(form->Handle());
        Link().SetFocusControl(s.focusControl ? form->target : nullptr);
        form->target->SetEnabled(s.targetEnabled);
        Link().SetEnabled(s.labelEnabled);
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

    // Disabled: no click, no jump, and its right click is the form's.
    Link().SetEnabled(false);
    ClickLink();
    menu.Items(0).onClick();
    SendMessageW(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(23, 23));
    EXPECT_EQ(LaunchRecorder::Launches().size(), 1u);
    EXPECT_EQ(OwnedMenus().size(), 1u);
    Link().SetEnabled(true);

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
}

TEST_F(LinkLabelTest, HintIsTheLabelsOwnOrItsAddress)
{
    const struct {
        const char* what;
        bool showHint, showURL;
        const wchar_t* hint;
        const char* shown;  // what a hint window shows: up to the first zero byte
    } cases[] = {
        {"hints off", false, true, L"", ""},
        {"the address", true, true, L"", "http://example.org"},
        {"no address as hint", true, false, L"", ""},
        {"its own hint, short part", true, true, L"Site|The project's site", "Site"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Link().SetShowHint(c.showHint);
        Link().SetShowURLInHint(c.showURL);
        Link().SetHint(c.hint);
        const std::string hint = form->HintAt(POINT{22, 22});
        EXPECT_EQ(std::string(hint.c_str()), c.shown);
        EXPECT_EQ(hint.size(), *c.shown ? strlen(c.shown) * 3 + 5 : 0) << "encoded";
    }
}

TEST_F(LinkLabelTest, CursorOverTheLabelIsTheHand)
{
    HCURSOR hand = fw::ScreenCursor(crURLCursor);
    ASSERT_NE(hand, LoadCursorW(nullptr, IDC_ARROW));
    RegisterHandCursor();
    EXPECT_EQ(fw::ScreenCursor(crURLCursor), hand) << "registered once, at start";
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(info.xHotspot * 100 + info.yHotspot, 601u) << "the fingertip, 6, 1";
    EXPECT_EQ(mask.bmWidth * 100 + mask.bmHeight, 3264) << "32 by 32, both masks in one bitmap";
    EXPECT_FALSE(info.fIcon || info.hbmColor) << "a two-colour cursor";
    DeleteObject(info.hbmMask);

    POINT before, onLink = Link().ClientToScreen(POINT{3, 3});
    GetCursorPos(&before);
    SetCursorPos(onLink.x, onLink.y);
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT);
    EXPECT_EQ(GetCursor(), hand);
    SetCursorPos(before.x, before.y);
}

// The real shell, on an address nothing can open: whatever the shell shows is closed;
// the label shows nothing of its own and still turns to its visited colour.
TEST_F(LinkLabelTest, AnAddressThatCannotOpenStillMarksTheLinkVisited)
{
    Link().SetVisitedColor(fw::clNavy);
    Link().SetURL("xptable-no-such-scheme:nowhere");
    ReplaceShellFunctions(LoadShellFunctions(L"shell32.dll", L"ole32.dll"));  // the shell itself, for this one test
    testing_support::BoxWatcher watcher;
    ClickLink();
    fwtest::Drain();
    const testing_support::SeenBox& seen = watcher.Seen();
    EXPECT_FALSE(seen.found && seen.caption == fw::Widen(fw::Application::Instance().Title()));
    EXPECT_TRUE(LaunchRecorder::Launches().empty()) << "the real shell had it";
    EXPECT_TRUE(Link().Visited());
    EXPECT_EQ(Link().GetFont().GetColor(), fw::clNavy);
}

}  // namespace
