#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestUtil.h"
#include "framework/Clipboard.h"
#include "framework/Cursors.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"

namespace {

// A windowed control that lets its parent show through and marks its centre.
class SeeThrough : public fw::WinControl {
public:
    using WinControl::WinControl;
    bool Transparent() const override { return true; }
    std::vector<POINT> popups;

protected:
    void Paint(fw::Canvas& canvas) override
    {
        PaintParentBackground(canvas.Handle());
        canvas.FillRect(RECT{Width() / 2 - 2, Height() / 2 - 2, Width() / 2 + 2, Height() / 2 + 2}, fw::clBlack);
    }
    void ContextPopup(POINT where, bool& handled) override
    {
        popups.push_back(where);
        handled = true;
    }
};

class BaseForm : public fw::Form {
public:
    BaseForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(300);
        SetClientHeight(200);
        label = new fw::Label(this);
        label->SetParent(this);
        label->SetBounds(10, 10, 100, 20);
        label->SetCaption("");
        label->SetColor(fw::clRed);
        label->OnMouseEnter = [this] { hover.push_back("enter"); };
        label->OnMouseLeave = [this] { hover.push_back("leave"); };
        glass = new SeeThrough(this);
        glass->SetParent(this);
        glass->SetBounds(50, 0, 120, 60);
    }
    fw::Label* label;
    SeeThrough* glass;
    std::vector<std::string> hover;
};

class ControlBaseTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<BaseForm>();
        form->Show();
        fwtest::Drain();
    }
    std::unique_ptr<BaseForm> form;
};

TEST_F(ControlBaseTest, SeeThroughControlPaintsOverWhatItsParentShows)
{
    fwtest::Snapshot shot(*form->glass);
    struct Probe {
        const char* what;
        int x, y;
        COLORREF expected;
    } probes[] = {
        {"over the red label", 10, 15, RGB(0xFF, 0, 0)},
        {"over the form's face", 100, 50, GetSysColor(COLOR_BTNFACE)},
        {"its own mark", 60, 30, RGB(0, 0, 0)},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(shot.At(p.x, p.y), p.expected);
    }
}

TEST_F(ControlBaseTest, GraphicControlsGetEnterAndLeaveFromTheirParent)
{
    HWND f = form->Handle();
    struct Step {
        const char* what;
        UINT message;
        POINT at;
        std::vector<std::string> hover;
    } steps[] = {
        {"move onto the label", WM_MOUSEMOVE, {20, 150}, {}},
        {"enter", WM_MOUSEMOVE, {20, 15}, {"enter"}},
        {"move within", WM_MOUSEMOVE, {30, 16}, {"enter"}},
        {"move off", WM_MOUSEMOVE, {20, 150}, {"enter", "leave"}},
        {"back on", WM_MOUSEMOVE, {20, 15}, {"enter", "leave", "enter"}},
        {"the mouse leaves the form", WM_MOUSELEAVE, {0, 0}, {"enter", "leave", "enter", "leave"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        SendMessageW(f, s.message, 0, MAKELPARAM(s.at.x, s.at.y));
        EXPECT_EQ(form->hover, s.hover);
    }
}

TEST_F(ControlBaseTest, CursorsComeFromTheScreenTableByNumber)
{
    HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    // A number of the test's own: 1458 is the program's hand cursor.
    fw::SetScreenCursor(1000, cross, false);
    EXPECT_EQ(fw::ScreenCursor(1000), cross);
    EXPECT_EQ(fw::ScreenCursor(fw::crHandPoint), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(fw::ScreenCursor(777), LoadCursorW(nullptr, IDC_ARROW)) << "unknown numbers show the arrow";

    form->label->SetCursor(1000);
    POINT onLabel = form->label->ClientToScreen(POINT{5, 5});
    ASSERT_TRUE(SetCursorPos(onLabel.x, onLabel.y));
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), cross);
    POINT elsewhere = form->ClientToScreen(POINT{250, 150});
    ASSERT_TRUE(SetCursorPos(elsewhere.x, elsewhere.y));
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    fw::SetScreenCursor(1000, nullptr, false);
}

TEST_F(ControlBaseTest, ContextMenuRequestsArriveInClientCoordinates)
{
    HWND g = form->glass->Handle();
    POINT screen = form->glass->ClientToScreen(POINT{7, 9});
    SendMessageW(g, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(g), MAKELPARAM(screen.x, screen.y));
    SendMessageW(g, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(g), MAKELPARAM(-1, -1));  // from the keyboard
    ASSERT_EQ(form->glass->popups.size(), 2u);
    EXPECT_EQ(form->glass->popups[0].x, 7);
    EXPECT_EQ(form->glass->popups[0].y, 9);
    EXPECT_EQ(form->glass->popups[1].x, -1);
    EXPECT_EQ(form->glass->popups[1].y, -1);
}

TEST_F(ControlBaseTest, PopupMenuRunsTheChosenItem)
{
    fw::PopupMenu menu(form.get());
    std::vector<std::string> ran;
    menu.Add("Copy", [&] { ran.push_back("copy"); });
    menu.Add("-");
    menu.Add("Select all", [&] { ran.push_back("select all"); });
    SetForegroundWindow(form->Handle());
    HWND owner = form->Handle();
    POINT at = form->ClientToScreen(POINT{20, 20});
    {
        // The menu's own loop takes the keys: down to the second item, then Enter.
        fwtest::InModalLoop chooser(
            [owner] {
                PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
                PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
                PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 1);
                return true;
            },
            20000, 50);
        EXPECT_EQ(menu.Popup(at.x, at.y), 2);
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"select all"}));
    {
        fwtest::InModalLoop dismisser([] { return EndMenu() != FALSE; }, 20000, 50);
        EXPECT_EQ(menu.Popup(at.x, at.y), -1);
    }
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(ControlBaseTest, CaretBelongsToTheFocusedControl)
{
    fw::WinControl& g = *form->glass;
    g.SetFocus();
    g.CreateCaret(1, 13);
    g.SetCaretPos(17, 3);
    POINT p = {};
    GetCaretPos(&p);
    EXPECT_EQ(p.x, 17);
    EXPECT_EQ(p.y, 3);
    g.DestroyCaret();
    g.DestroyCaret();  // a second call must not destroy another window's caret
    g.SetCaretPos(5, 5);
    GetCaretPos(&p);
    EXPECT_NE(p.x, 5);
}

TEST_F(ControlBaseTest, AFreedPopupMenuLeavesNoDanglingPointer)
{
    auto* menu = new fw::PopupMenu(form.get());
    form->label->SetPopupMenu(menu);
    form->glass->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(form->label->GetPopupMenu(), nullptr);
    EXPECT_EQ(form->glass->GetPopupMenu(), nullptr);
    // A right click after it finds no menu to show.
    HWND g = form->glass->Handle();
    POINT screen = form->glass->ClientToScreen(POINT{7, 9});
    SendMessageW(g, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(g), MAKELPARAM(screen.x, screen.y));
}

// A platform control that checks, when it is given a font, that the font it had is still alive.
class FontWatcher : public fw::WinControl {
public:
    using WinControl::WinControl;
    std::string ClassName() const override { return "TFontWatcher"; }
    std::vector<bool> oldFontAlive;

protected:
    void FillCreateParams(CreateParams& params) override { params.baseClass = L"EDIT"; }
    bool SelfPainted() const override { return false; }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETFONT) {
            if (held_)
                oldFontAlive.push_back(GetObjectType(held_) == OBJ_FONT);
            held_ = reinterpret_cast<HGDIOBJ>(wParam);
        }
        return WinControl::WndProc(message, wParam, lParam);
    }

private:
    HGDIOBJ held_ = nullptr;  // the font the control was given last
};

TEST_F(ControlBaseTest, AControlGetsItsNewFontBeforeTheOldOneIsDeleted)
{
    auto* edit = new FontWatcher(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 100, 100, 20);
    edit->HandleNeeded();
    struct Change {
        const char* what;
        std::function<void(fw::Font&)> apply;
    } changes[] = {
        {"height", [](fw::Font& f) { f.SetHeight(15); }},
        {"name", [](fw::Font& f) { f.SetName("Arial"); }},
        {"style", [](fw::Font& f) { f.SetStyle(fw::fsBold); }},
        {"assigned", [](fw::Font& f) { fw::Font other; f.Assign(other); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        edit->oldFontAlive.clear();
        HFONT before = edit->GetFont().Handle();
        c.apply(edit->GetFont());
        ASSERT_EQ(edit->oldFontAlive.size(), 1u);
        EXPECT_TRUE(edit->oldFontAlive[0]);
        EXPECT_EQ(GetObjectType(before), 0u) << "the old font is deleted afterwards";
    }
}

// Same class name as SeeThrough's (TWinControl), but built on the platform's edit.
class ClashingClass : public fw::WinControl {
public:
    using WinControl::WinControl;

protected:
    void FillCreateParams(CreateParams& params) override { params.baseClass = L"EDIT"; }
};

TEST_F(ControlBaseTest, OurWindowsAreKnownByTheirProcedureAndClassNamesByTheirBase)
{
    auto* edit = new FontWatcher(form.get());
    edit->SetParent(form.get());
    HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, form->Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    struct Case {
        const char* what;
        HWND window;
        fw::WinControl* expected;
    } cases[] = {
        {"a form", form->Handle(), form.get()},
        {"our own class", form->glass->Handle(), form->glass},
        {"built on a platform class", edit->Handle(), edit},
        {"a platform window", foreign, nullptr},
        {"no window", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fw::WinControl::FromHandle(c.window), c.expected);
    }
    DestroyWindow(foreign);
    EXPECT_EQ(fw::WinControl::FromHandle(foreign), nullptr) << "a window gone";

    auto* clash = new ClashingClass(form.get());
    EXPECT_THROW(clash->SetParent(form.get()), fw::Exception) << "its window is made at once";
}

// A windowless control that writes down what the mouse does to it.
class MouseLog : public fw::Control {
public:
    MouseLog(fw::WinControl* parent, std::vector<std::string>& log, RECT bounds) : Control(parent), log_(log)
    {
        clickOnRelease_ = true;
        SetParent(parent);
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }

protected:
    void MouseDown(fw::MouseButton b, fw::ShiftState s, int x, int y) override { Note("down", b, s, x, y); }
    void MouseUp(fw::MouseButton b, fw::ShiftState s, int x, int y) override { Note("up", b, s, x, y); }
    void MouseMove(fw::ShiftState s, int x, int y) override { Note("move", fw::MouseButton::Left, s, x, y); }
    void Click() override { log_.push_back(Name() + " click"); }
    void DblClick() override { log_.push_back(Name() + " dblclick"); }

private:
    void Note(const char* what, fw::MouseButton b, fw::ShiftState s, int x, int y)
    {
        std::string text = Name() + " " + what;
        if (b == fw::MouseButton::Right)
            text += " right";
        if (s & fw::ssDouble)
            text += " double";
        log_.push_back(text + " " + std::to_string(x) + "," + std::to_string(y));
    }
    std::vector<std::string>& log_;
};

// Presses go to the windowless child under the pointer, which keeps the mouse until the
// last button is let go; a click needs the release inside it.
TEST_F(ControlBaseTest, WindowlessChildrenGetTheMouseThroughTheParentsCapture)
{
    std::vector<std::string> log;
    auto* a = new MouseLog(form.get(), log, RECT{200, 100, 240, 120});
    a->SetName("a");
    auto* b = new MouseLog(form.get(), log, RECT{250, 100, 290, 120});
    b->SetName("b");
    HWND f = form->Handle();
    struct Step {
        UINT message;
        WPARAM keys;
        POINT at;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::vector<std::string> log;
        bool disableA = false;
    } cases[] = {
        {"press and release inside",
         {{WM_LBUTTONDOWN, MK_LBUTTON, {205, 105}}, {WM_LBUTTONUP, 0, {206, 106}}},
         {"a down 5,5", "a up 6,6", "a click"}},
        {"dragged onto another child and released there",
         {{WM_LBUTTONDOWN, MK_LBUTTON, {205, 105}},
          {WM_MOUSEMOVE, MK_LBUTTON, {260, 105}},
          {WM_LBUTTONUP, 0, {260, 105}}},
         {"a down 5,5", "a move 60,5", "a up 60,5"}},
        {"the right button clicks nothing",
         {{WM_RBUTTONDOWN, MK_RBUTTON, {255, 105}}, {WM_RBUTTONUP, 0, {255, 105}}},
         {"b down right 5,5", "b up right 5,5"}},
        {"a double click",
         {{WM_LBUTTONDOWN, MK_LBUTTON, {255, 105}},
          {WM_LBUTTONUP, 0, {255, 105}},
          {WM_LBUTTONDBLCLK, MK_LBUTTON, {255, 105}},
          {WM_LBUTTONUP, 0, {255, 105}}},
         {"b down 5,5", "b up 5,5", "b click", "b dblclick", "b down double 5,5", "b up 5,5", "b click"}},
        {"a disabled child swallows the mouse",
         {{WM_LBUTTONDOWN, MK_LBUTTON, {205, 105}}, {WM_LBUTTONUP, 0, {205, 105}}},
         {},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        a->SetEnabled(!c.disableA);
        for (const Step& s : c.steps)
            SendMessageW(f, s.message, s.keys, MAKELPARAM(s.at.x, s.at.y));
        EXPECT_EQ(log, c.log);
        EXPECT_NE(GetCapture(), f) << "the capture ends with the last button";
    }
}

TEST(Clipboard, PlainTextRoundTripsInCodePage1251)
{
    const std::string text = "C:\\Games\\\xC8\xE3\xF0\xE0";  // "Игра" in cp1251
    ASSERT_TRUE(fw::Clipboard::SetText(text));
    EXPECT_TRUE(fw::Clipboard::HasText());
    EXPECT_EQ(fw::Clipboard::GetText(), text);
}

}  // namespace
