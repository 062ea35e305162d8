// What a form routes to its windowless controls besides the mouse: dialog characters,
// hint requests and right-click menu requests; and labels that size to their text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestUtil.h"
#include "framework/Form.h"
#include "framework/Label.h"

namespace {

// A window that takes every character itself, like an edit.
class CharTaker : public fw::WinControl {
public:
    using WinControl::WinControl;
    std::string ClassName() const override { return "TCharTaker"; }

protected:
    LRESULT DlgCode(LRESULT platformCode, const MSG*) override { return platformCode | DLGC_WANTCHARS; }
};

// A label that says where it was asked for its hint.
class AskedLabel : public fw::Label {
public:
    using Label::Label;

protected:
    void HintShow(fw::HintInfo& info) override
    {
        if (info.hintStr == "where")
            info.hintStr = std::to_string(info.cursorPos.x) + "," + std::to_string(info.cursorPos.y);
    }
};

class RoutingForm : public fw::Form {
public:
    RoutingForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(300);
        SetClientHeight(200);
        name = Place(new AskedLabel(this), 10, 10, "&Name");
        cyrillic = Place(new fw::Label(this), 10, 40, "\xC8\xEC&\xFF");  // Им&я
        target = new fw::WinControl(this);
        target->SetParent(this);
        target->SetBounds(150, 10, 40, 20);
        target->SetTabStop(true);
        taker = new CharTaker(this);
        taker->SetParent(this);
        taker->SetBounds(150, 40, 40, 20);
        taker->SetTabStop(true);
        name->SetFocusControl(target);
        cyrillic->SetFocusControl(target);
    }
    template <typename L>
    L* Place(L* label, int left, int top, const char* caption)
    {
        label->SetParent(this);
        label->SetBounds(left, top, 100, 20);
        label->SetCaption(caption);
        return label;
    }
    AskedLabel* name;
    fw::Label* cyrillic;
    fw::WinControl* target;
    CharTaker* taker;
};

class RoutingTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<RoutingForm>();
        form->Show();
        fwtest::Drain();
    }
    std::unique_ptr<RoutingForm> form;
};

TEST_F(RoutingTest, DialogCharactersReachTheLabelsOfTheForm)
{
    const struct Step {
        const char* what;
        UINT message;
        wchar_t key;
        bool fromTaker;  // else from the form itself
        std::function<void(RoutingForm&)> prepare;
        bool reachesTarget;
    } steps[] = {
        {"Alt+N", WM_SYSCHAR, L'N', false, {}, true},
        {"Alt+n, from a window that takes characters", WM_SYSCHAR, L'n', true, {}, true},
        {"n typed where nothing takes characters", WM_CHAR, L'n', false, {}, true},
        {"n typed into a window that takes characters", WM_CHAR, L'n', true, {}, false},
        {"Alt+Cyrillic letter, other case", WM_SYSCHAR, L'\u042F', false, {}, true},
        {"Alt+a letter no label has", WM_SYSCHAR, L'q', false, {}, false},
        {"the label disabled", WM_SYSCHAR, L'n', false, [](RoutingForm& f) { f.name->SetEnabled(false); }, false},
        {"the label hidden", WM_SYSCHAR, L'n', false, [](RoutingForm& f) { f.name->SetVisible(false); }, false},
        {"accelerators not shown", WM_SYSCHAR, L'n', false,
         [](RoutingForm& f) { f.name->SetShowAccelChar(false); }, false},
        {"the focus control freed", WM_SYSCHAR, L'n', false,
         [](RoutingForm& f) {
             delete f.target;
             f.target = nullptr;
         },
         false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        SetUp();
        if (s.prepare)
            s.prepare(*form);
        HWND focused = s.fromTaker ? form->taker->Handle() : form->Handle();
        SetFocus(focused);
        SendMessageW(focused, s.message, s.key, 0);
        EXPECT_EQ(form->target && GetFocus() == form->target->Handle(), s.reachesTarget);
    }
}

TEST_F(RoutingTest, HintsAreAskedOfTheControlUnderThePointer)
{
    const POINT onName = {13, 14};
    const struct Step {
        const char* what;
        bool formShows;
        const char* formHint;
        const char* labelHint;
        std::string shown;
    } steps[] = {
        {"hints off", false, "", "Name|The name", ""},
        {"the short part", true, "", "Name|The name", "Name"},
        {"the form's hint when the label has none", true, "Form|Long", "", "Form"},
        {"the control changes it", true, "", "where", "3,4"},
        {"no hint anywhere", true, "", "", ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        form->SetShowHint(s.formShows);
        form->SetHint(s.formHint);
        form->name->SetHint(s.labelHint);
        EXPECT_EQ(form->HintAt(onName), s.shown);
    }
    form->name->SetShowHint(false);
    EXPECT_EQ(form->HintAt(onName), "") << "its own setting over the form's";

    // Over the label the platform's tip shows its hint after the usual pause.
    form->name->SetShowHint(true);
    form->name->SetHint("Name|The name");
    SetForegroundWindow(form->Handle());
    POINT before;
    GetCursorPos(&before);
    POINT screen = form->ClientToScreen(onName);
    SetCursorPos(screen.x, screen.y);
    // Onto the label, then the pointer rests (each move starts the pause anew).
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(onName.x, onName.y));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(onName.x, onName.y));
    HWND tip = nullptr;
    for (int i = 0; i < 80 && !(tip && IsWindowVisible(tip)); ++i) {
        Sleep(25);
        fwtest::Drain();
        tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(IsWindowVisible(tip));
    wchar_t text[32] = {};
    GetWindowTextW(tip, text, 32);
    EXPECT_STREQ(text, L"Name");
    SetCursorPos(before.x, before.y);
}

TEST_F(RoutingTest, RightClickOnAWindowlessLabelAsksTheLabelForItsMenu)
{
    std::vector<std::string> asked;
    form->name->OnContextPopup = [&](POINT p, bool& handled) {
        asked.push_back("label " + std::to_string(p.x) + "," + std::to_string(p.y));
        handled = true;
    };
    form->OnContextPopup = [&](POINT, bool& handled) {
        asked.push_back("form");
        handled = true;
    };
    const LPARAM at = MAKELPARAM(15, 17);
    SendMessageW(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(form->Handle(), WM_RBUTTONUP, 0, at);
    form->name->SetEnabled(false);
    SendMessageW(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(form->Handle(), WM_RBUTTONUP, 0, at);
    EXPECT_EQ(asked, (std::vector<std::string>{"label 5,7", "form"}));
}

TEST(LabelAutoSize, BoundsFollowTheText)
{
    fw::Form form;
    auto* label = new fw::Label(&form);
    label->SetParent(&form);
    label->SetBounds(100, 10, 200, 40);
    label->SetCaption("Width");
    label->SetAutoSize(true);
    const int width = label->Width();
    EXPECT_GT(width, 15);
    EXPECT_LT(width, 40);
    const int line = label->Height();
    EXPECT_GE(line, 11) << "one line of the 11-pixel font";
    EXPECT_LE(line, 14);
    EXPECT_EQ(label->Left(), 100);
    label->SetCaption("Width Width");
    EXPECT_GT(label->Width(), 2 * width);
    label->GetFont().SetStyle(fw::fsBold);
    const int bold = label->Width();
    label->GetFont().SetStyle(0);
    EXPECT_GT(bold, label->Width());
    label->SetCaption("Two\rlines");
    EXPECT_EQ(label->Height(), 2 * line);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), line) << "an empty caption keeps one line";

    label->SetCaption("Width");
    label->SetAlignment(fw::taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Width Width");
    EXPECT_EQ(label->Left() + label->Width(), right) << "right-justified text keeps its right edge";

    // While a description loads, the size waits for the end.
    fw::Form loaded;
    fw::Label* late = nullptr;
    {
        fw::LoadingScope loading(loaded);
        late = new fw::Label(&loaded);
        late->SetParent(&loaded);
        late->SetBounds(0, 0, 200, 40);
        late->SetAutoSize(true);
        late->SetCaption("Width");
        EXPECT_EQ(late->Width(), 200);
    }
    EXPECT_EQ(late->Width(), width);
}

}  // namespace
