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
        name = Place(new AskedLabel(this), 10, "&Name");
        cyrillic = Place(new fw::Label(this), 40, "\xC8\xEC&\xFF");  // Им&я
        target = Place(new fw::WinControl(this), 70, "");
        taker = Place(new CharTaker(this), 100, "");
        name->SetFocusControl(target);
        cyrillic->SetFocusControl(target);
    }
    template <typename C>
    C* Place(C* control, int top, const char* caption)
    {
        control->SetParent(this);
        control->SetBounds(10, top, 100, 20);
        control->SetCaption(caption);
        return control;
    }
    AskedLabel* name;
    fw::Label* cyrillic;
    fw::WinControl* target;
    CharTaker* taker;
};

TEST(Routing, DialogCharactersReachTheLabelsOfTheForm)
{
    const struct {
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
        {"a letter no label has", WM_SYSCHAR, L'q', false, {}, false},
        {"the label disabled", WM_SYSCHAR, L'n', false, [](RoutingForm& f) { f.name->SetEnabled(false); }, false},
        {"the label hidden", WM_SYSCHAR, L'n', false, [](RoutingForm& f) { f.name->SetVisible(false); }, false},
        {"accelerators off", WM_SYSCHAR, L'n', false, [](RoutingForm& f) { f.name->SetShowAccelChar(false); }, false},
        {"the focus control freed", WM_SYSCHAR, L'n', false,
         [](RoutingForm& f) {
             delete f.target;
             f.target = nullptr;
         },
         false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        RoutingForm form;
        form.Show();
        if (s.prepare)
            s.prepare(form);
        HWND focused = s.fromTaker ? form.taker->Handle() : form.Handle();
        SetFocus(focused);
        SendMessageW(focused, s.message, s.key, 0);
        EXPECT_EQ(form.target && GetFocus() == form.target->Handle(), s.reachesTarget);
    }
}

TEST(Routing, HintsAreAskedOfTheControlUnderThePointer)
{
    RoutingForm form;
    form.Show();
    const struct {
        const char* what;
        bool formShows;
        const char *formHint, *labelHint, *shown;
    } steps[] = {
        {"hints off", false, "", "Name|The name", ""},
        {"the short part", true, "", "Name|The name", "Name"},
        {"the form's hint when the label has none", true, "Form|Long", "", "Form"},
        {"the control changes it", true, "", "where", "3,4"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        form.SetShowHint(s.formShows);
        form.SetHint(s.formHint);
        form.name->SetHint(s.labelHint);
        EXPECT_EQ(form.HintAt(POINT{13, 14}), s.shown);
    }

    // Over the label the platform's tip shows its hint once the pointer rests.
    form.name->SetHint("Name|The name");
    fwtest::Drain();
    POINT before, screen = form.ClientToScreen(POINT{13, 14});
    GetCursorPos(&before);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(13, 14));
    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(13, 14));
    HWND tip = nullptr;
    for (int i = 0; i < 80 && !(tip && IsWindowVisible(tip)); ++i) {
        Sleep(25);
        fwtest::Drain();
        tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    }
    wchar_t text[32] = {};
    GetWindowTextW(tip, text, 32);
    EXPECT_STREQ(text, L"Name");
    EXPECT_TRUE(tip && IsWindowVisible(tip));
    SetCursorPos(before.x, before.y);
}

TEST(Routing, RightClickOnAWindowlessLabelAsksTheLabelForItsMenu)
{
    RoutingForm form;
    form.Show();
    std::vector<std::string> asked;
    form.name->OnContextPopup = [&](POINT p, bool& handled) {
        asked.push_back(std::to_string(p.x) + "," + std::to_string(p.y));
        handled = true;
    };
    form.OnContextPopup = [&](POINT, bool& handled) {
        asked.push_back("form");
        handled = true;
    };
    for (bool enabled : {true, false}) {
        form.name->SetEnabled(enabled);
        SendMessageW(form.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(15, 17));
        SendMessageW(form.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(15, 17));
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"5,7", "form"}));
}

TEST(Routing, AutoSizedLabelsFollowTheirText)
{
    fw::Form form;
    auto* label = new fw::Label(&form);
    label->SetParent(&form);
    label->SetBounds(100, 10, 200, 40);
    label->SetCaption("Width");
    label->SetAutoSize(true);
    const int width = label->Width(), line = label->Height();
    EXPECT_TRUE(width > 15 && width < 40 && line >= 11 && line <= 14 && label->Left() == 100);
    label->SetCaption("Width Width");
    const int twice = label->Width();
    EXPECT_GT(twice, 2 * width);
    label->GetFont().SetStyle(fw::fsBold);
    EXPECT_GT(label->Width(), twice) << "bold is wider";
    label->SetCaption("Two\rlines");
    EXPECT_EQ(label->Height(), 2 * line);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), line) << "an empty caption keeps one line";
    label->SetAlignment(fw::taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Width Width");
    EXPECT_EQ(label->Left() + label->Width(), right) << "right-justified text keeps its right edge";

    // While a description loads, the size waits for the end.
    fw::Form loaded;
    fw::Label* late = new fw::Label(&loaded);
    {
        fw::LoadingScope loading(loaded);
        late->SetAutoSize(true);
        late->SetBounds(0, 0, 200, 40);
        late->SetCaption("Width");
        EXPECT_EQ(late->Width(), 200);
    }
    EXPECT_EQ(late->Width(), width);
}

}  // namespace
