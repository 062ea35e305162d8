// The game-folder field driven through its window: text writes, keys in the read-only
// field, presses on the text and the button, focus, the caret and the default menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../../framework/GuiTestUtil.h"
#include "../../framework/InModalLoop.h"
#include "FieldTest.h"
#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Gdi.h"

namespace {

using namespace fw::literals;
using edittest::HeldKeys;

// Longer than the field shows: about 900 pixels of text.
const std::string kLongPath = "C:\\Program Files\\Black Isle\\Baldur's Gate II - Shadows of Amn\\"
                              "Throne of Bhaal\\override\\backup\\2024-05-01\\scripts\\kits";

class ButtonEditTest : public edittest::FieldTest {
protected:
    void Key(WORD key)
    {
        fwtest::KeyDown(Window(), key);
        fwtest::Drain();
    }
    void Click(int x, int y) { fwtest::Click(Window(), x, y); }
    // The field unfocused, holding `text` with the caret at the start.
    void Reset(const std::string& text)
    {
        form->other->SetFocus();
        field->SetText("");
        field->SetText(text);
        fwtest::Drain();
    }
};

// A button edit as made, before any window description changes it.
TEST(ButtonEditDefaults, AsConstructed)
{
    TSCButtonEdit edit;
    const TSCEditButton& button = edit.Button();
    struct Case {
        const char* what;
        long actual, expected;
    } cases[] = {
        {"width", edit.Width(), 145},
        {"height", edit.Height(), 21},
        {"colour", static_cast<long>(edit.GetColor()), static_cast<long>(fw::clWindow)},
        {"style", edit.Style(), scesDefault},
        {"read-only", edit.ReadOnly(), false},
        {"tab stop", edit.TabStop(), true},
        {"mask error", edit.RaiseMaskError(), true},
        {"auto size", edit.AutoSize(), true},
        {"auto select", edit.AutoSelect(), true},
        {"hide selection", edit.HideSelection(), true},
        {"button click key", static_cast<long>(edit.ButtonClickKey()), 0},
        {"max length", edit.MaxLength(), 0},
        {"use undo", edit.UseUndo(), true},
        {"undo limit", edit.UndoLimit(), 0},
        {"alignment", edit.Alignment(), taLeftJustify},
        {"border", edit.BorderProps().Border(), sccbNone},
        {"inner border", edit.BorderProps().InnerBorder(), sccbNone},
        {"frame colour", static_cast<long>(edit.Colors().FrameColor()), static_cast<long>(fw::clNone)},
        {"scesWinXP base", static_cast<long>(edit.Colors().WinXPColor()), 16762807},
        {"focus colour", static_cast<long>(edit.Colors().FocusColor()), static_cast<long>(fw::clNone)},
        {"buttons", edit.ButtonCount(), 2},
        {"first listed: Button", &edit.Buttons(0) == &button, true},
        {"Button shows three dots", button.Style(), scebBrowse},
        {"Button visible", button.Visible(), true},
        {"Button on the right", button.Align(), taRightJustify},
        {"Button width automatic", button.Width(), -1},
        {"second button hidden", edit.Buttons(1).Visible(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST_F(ButtonEditTest, TextWritesKeepOneLineAndRaiseOnlyForANewText)
{
    std::string log;
    field->OnCaretMove = [&] { log += "move;"; };
    field->OnChange = [&] { log += "change;"; };
    struct Case {
        const char* what;
        std::string value;
        std::string text;
        std::string raised;
    } cases[] = {
        {"a long path", kLongPath, kLongPath, "move;change;"},
        {"the same path again", kLongPath, kLongPath, ""},
        {"cut at CR LF", "C:\\Games\r\nBG2", "C:\\Games", "move;change;"},
        {"cut to the text shown", "C:\\Games\nBG2", "C:\\Games", ""},
        {"cut at NUL", std::string("D:\\BG2\0\\x", 8), "D:\\BG2", "move;change;"},
        {"cut at CR", "E:\\\rBG2", "E:\\", "move;change;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field->SelectAll();  // caret at the end, a long text scrolled
        fwtest::Drain();
        const int caretBefore = field->CaretPos();
        const int offsetBefore = field->ScrollOffset();
        log.clear();
        ValidateRect(Window(), nullptr);
        field->SetText(c.value);
        EXPECT_EQ(field->Text(), c.text);
        EXPECT_EQ(log, c.raised) << "OnCaretMove, then OnChange, only for a new text";
        EXPECT_EQ(GetUpdateRect(Window(), nullptr, FALSE) != FALSE, !c.raised.empty()) << "a repaint only for a new text";
        const bool changed = !c.raised.empty();
        EXPECT_EQ(field->CaretPos(), changed ? 0 : caretBefore);
        EXPECT_EQ(field->SelLength(), changed ? 0 : caretBefore);
        EXPECT_EQ(field->ScrollOffset(), changed ? 0 : offsetBefore);
        if (!changed && c.text == kLongPath) {
            EXPECT_GT(offsetBefore, 0) << "the long path was scrolled, and stays so";
        }
    }

    // While the description loads nothing is raised; MaxLength cuts.
    log.clear();
    field->BeginLoading();
    field->SetText("F:\\Loaded");
    field->EndLoading();
    EXPECT_EQ(field->Text(), "F:\\Loaded");
    EXPECT_EQ(log, "");
    field->SetMaxLength(5);
    field->SetText("C:\\Games");
    EXPECT_EQ(field->Text(), "C:\\Ga");
}

TEST_F(ButtonEditTest, AWriteIsOneUndoGroupAndReadOnlyUndoMovesItToRedo)
{
    field->SetText("C:\\A");
    field->SetText("C:\\B");
    const TSCEditUndoStack* undo = field->UndoStack();
    ASSERT_NE(undo, nullptr);
    struct Record {
        TSCEditUndoKind kind;
        int group;
        std::string text;
    } expected[] = {{seukInsertion, 0, "C:\\A"}, {seukDeletion, 1, "C:\\A"}, {seukInsertion, 1, "C:\\B"}};
    ASSERT_EQ(undo->Count(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(undo->Item(i).Kind, expected[i].kind);
        EXPECT_EQ(undo->Item(i).Group, expected[i].group);
        EXPECT_EQ(undo->Item(i).Text, expected[i].text);
    }
    {
        HeldKeys ctrl({VK_CONTROL});
        Key('Z');
    }
    EXPECT_EQ(field->Text(), "C:\\B") << "read-only: the text stays";
    ASSERT_NE(field->UndoStack(), nullptr);
    EXPECT_EQ(field->UndoStack()->Count(), 1);
    ASSERT_NE(field->RedoStack(), nullptr);
    EXPECT_EQ(field->RedoStack()->Count(), 2) << "both records of the group";
    EXPECT_TRUE(field->CanRedo());
    field->SetText("C:\\C");
    EXPECT_EQ(field->RedoStack(), nullptr) << "a new write empties the redo stack";
}

TEST_F(ButtonEditTest, KeysInTheReadOnlyFieldMoveAndCopyButNeverEdit)
{
    const std::string path(R"(C:\Игры\Врата Балдура)"_cp1251);
    field->SetFocus();
    ASSERT_TRUE(fw::Clipboard::SetText("pasted"));
    struct Case {
        const char* what;
        std::function<void()> press;
    } edits[] = {
        {"typing", [] { fwtest::Type("x"); }},
        {"Backspace", [&] { Key(VK_BACK); fwtest::Type("\b"); }},
        {"Delete", [&] { Key(VK_DELETE); }},
        {"Ctrl+X", [&] { HeldKeys k({VK_CONTROL}); Key('X'); }},
        {"Ctrl+V", [&] { HeldKeys k({VK_CONTROL}); Key('V'); }},
        {"Shift+Insert", [&] { HeldKeys k({VK_SHIFT}); Key(VK_INSERT); }},
    };
    for (const Case& c : edits) {
        SCOPED_TRACE(c.what);
        field->SetText(path);
        field->SetSelection(3, 7);
        c.press();
        EXPECT_EQ(field->Text(), path);
        EXPECT_EQ(fw::Clipboard::GetText(), "pasted");
    }

    // Home, End and Shift: the selection; Ctrl+C puts it on the clipboard as Unicode text.
    field->SetSelection(5, 5);
    Key(VK_HOME);
    EXPECT_EQ(field->CaretPos(), 0);
    {
        HeldKeys shift({VK_SHIFT});
        Key(VK_END);
    }
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->SelLength(), static_cast<int>(path.size()));
    {
        HeldKeys ctrl({VK_CONTROL});
        Key('C');
    }
    EXPECT_EQ(edittest::ClipboardUnicode(), L"C:\\\u0418\u0433\u0440\u044B\\\u0412\u0440\u0430\u0442\u0430 "
                                            L"\u0411\u0430\u043B\u0434\u0443\u0440\u0430");
    field->SetSelection(3, 7);
    {
        HeldKeys ctrl({VK_CONTROL});
        Key(VK_INSERT);
    }
    EXPECT_EQ(fw::Clipboard::GetText(), path.substr(3, 4));
}

TEST_F(ButtonEditTest, ButtonClickKeyTakesItsCharacterWithIt)
{
    int clicks = 0;
    field->OnButtonClick = [&] { ++clicks; };
    field->SetReadOnly(false);
    field->SetButtonClickKey('B');
    field->SetFocus();
    struct Case {
        WORD key;
        wchar_t typed;
        int clicks;
        std::string text;
    } cases[] = {{'B', L'b', 1, ""}, {'A', L'a', 1, "a"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.key)));
        PostMessageW(Window(), WM_CHAR, c.typed, 1);  // as TranslateMessage leaves it
        SendMessageW(Window(), WM_KEYDOWN, c.key, 1);
        fwtest::Drain();
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(field->Text(), c.text);
    }
}

// The state each press leaves, starting unfocused with a long path shown from its start.
TEST_F(ButtonEditTest, AnyPressFocusesTheFieldAndOnlyTheButtonsLeftPressClicks)
{
    int clicks = 0;
    bool captured = true, drawnDown = true;
    field->OnButtonClick = [&] {
        ++clicks;
        // The handler may run a modal dialog: the press is already let go of.
        captured = GetCapture() == Window();
        drawnDown = field->Button().Down() || field->Button().Hot();
    };
    const TSCEditRect area = field->TextArea();
    const int textY = (area.Top + area.Bottom) / 2;
    const int length = static_cast<int>(kLongPath.size());
    struct Case {
        const char* what;
        std::function<void()> press;
        int clicks;
        int selStart, selLength;  // -1: the caret somewhere past the start, nothing selected
        bool scrolled;
    } cases[] = {
        {"left press on the button", [&] { Click(ButtonCentre().x, ButtonCentre().y); }, 1, 0, 0, false},
        {"left press in the text", [&] { Click(area.Left + 40, textY); }, 0, -1, 0, false},
        {"right press on the button", [&] { SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ButtonCentre().x, ButtonCentre().y)); },
         0, 0, 0, false},
        {"right press in the text: AutoSelect", [&] { SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(area.Left + 40, textY)); },
         0, 0, length, true},
        {"focus from the program: AutoSelect", [&] { field->SetFocus(); }, 0, 0, length, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset(kLongPath);
        clicks = 0;
        c.press();
        fwtest::Drain();
        EXPECT_EQ(GetFocus(), Window());
        EXPECT_EQ(clicks, c.clicks) << "raised on the press, once";
        if (c.selStart < 0) {
            EXPECT_GT(field->CaretPos(), 0);
        } else {
            EXPECT_EQ(field->SelStart(), c.selStart);
        }
        EXPECT_EQ(field->SelLength(), c.selLength);
        EXPECT_EQ(field->ScrollOffset() > 0, c.scrolled);
        ReleaseCapture();
    }
    EXPECT_FALSE(captured);
    EXPECT_FALSE(drawnDown);

    // Tab never enters the field.
    form->other->SetFocus();
    for (int i = 0; i < 3; ++i) {
        MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
        IsDialogMessageW(form->Handle(), &tab);
        fwtest::Drain();
        EXPECT_NE(GetFocus(), Window());
    }
}

TEST_F(ButtonEditTest, TheIBeamShowsOverTheTextAndTheArrowOverTheButton)
{
    const TSCEditRect area = field->TextArea();
    struct Case {
        const char* what;
        POINT at;
        LPCWSTR cursor;
    } cases[] = {
        {"text area", {area.Left + 10, area.Top + 5}, IDC_IBEAM},
        {"button", ButtonCentre(), IDC_ARROW},
        {"frame", {1, 1}, IDC_ARROW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const POINT screen = field->ClientToScreen(c.at);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor));
    }
}

TEST_F(ButtonEditTest, TheCaretIsOneLineHighWhileFocusedReadOnlyToo)
{
    field->SetText("C:\\Games");
    EXPECT_NE(edittest::Caret().hwndCaret, Window());
    field->SetFocus();
    fwtest::Drain();
    Key(VK_END);
    GUITHREADINFO info = edittest::Caret();
    EXPECT_EQ(info.hwndCaret, Window());
    const TSCEditPoint at = field->CaretPoint();
    EXPECT_EQ(info.rcCaret.left, at.X);
    EXPECT_EQ(info.rcCaret.top, at.Y);
    EXPECT_EQ(info.rcCaret.right - info.rcCaret.left, 1);
    EXPECT_EQ(info.rcCaret.bottom - info.rcCaret.top, field->LineHeight());
    EXPECT_TRUE(info.flags & GUI_CARETBLINKING) << "shown";
    SetFocus(form->Handle());
    fwtest::Drain();
    EXPECT_EQ(edittest::Caret().hwndCaret, nullptr) << "destroyed with the focus";
}

// The popup menu showing on this thread, as a user sees it.
struct ShownMenu {
    std::string items;    // captions joined by "|", "-" for separators
    std::string enabled;  // the enabled captions joined by "|"
    POINT topLeft = {};
};

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found)
{
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (wcscmp(cls, L"#32768") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

bool ReadShownMenu(ShownMenu& out)
{
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&window));
    if (!window)
        return false;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        wchar_t caption[64] = {};
        GetMenuStringW(menu, i, caption, 64, MF_BYPOSITION);
        const std::string name = state & MF_SEPARATOR ? "-" : fw::Narrow(caption);
        out.items += (i ? "|" : "") + name;
        if (!(state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)))
            out.enabled += (out.enabled.empty() ? "" : "|") + name;
    }
    RECT r;
    GetWindowRect(window, &r);
    out.topLeft = POINT{r.left, r.top};
    return true;
}

TEST_F(ButtonEditTest, TheDefaultMenuFromTheKeyboardEnablesWhatTheFieldAllows)
{
    const std::string path = "C:\\Games\\BG2";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string enabled;
        bool byCaret;  // placed beside the caret on the top edge, else at the bottom-left corner
    } cases[] = {
        {"after a write, the caret inside", [&] { field->SetSelection(4, 4); }, "Undo|Select All", true},
        {"a selection", [&] { field->SetSelection(0, 4); }, "Undo|Copy|Select All", true},
        {"everything selected", [&] { field->SelectAll(); }, "Undo|Copy", true},
        {"after Ctrl+Z", [&] { HeldKeys ctrl({VK_CONTROL}); Key('Z'); field->SetSelection(2, 2); }, "Redo|Select All",
         true},
        {"writable, with clipboard text", [&] {
             field->SetReadOnly(false);
             fw::Clipboard::SetText("x");
             field->SetSelection(0, 4);
         }, "Undo|Cut|Copy|Paste|Delete|Select All", true},
        {"the caret out of sight", [&] { field->SetWidth(20); Key(VK_END); }, "Undo|Select All", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field->SetReadOnly(true);
        field->SetWidth(369);
        field->SetText("");
        field->SetUseUndo(false);  // no history but the write below
        field->SetUseUndo(true);
        field->SetText(path);
        field->SetFocus();
        fwtest::Drain();
        c.prepare();
        fwtest::Drain();
        const TSCEditPoint caret = field->CaretPoint();
        const POINT expected = field->ClientToScreen(c.byCaret ? POINT{caret.X + 4, 0} : POINT{0, field->Height()});
        ShownMenu shown;
        fwtest::InModalLoop closer([&] {
            if (!ReadShownMenu(shown))
                return false;
            EndMenu();
            return true;
        });
        SendMessageW(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(-1, -1));
        fwtest::Drain();
        ASSERT_TRUE(closer.Done());
        EXPECT_EQ(shown.items, "Undo|Redo|-|Cut|Copy|Paste|Delete|-|Select All");
        EXPECT_EQ(shown.enabled, c.enabled);
        EXPECT_EQ(shown.topLeft.x, expected.x);
        EXPECT_EQ(shown.topLeft.y, expected.y);
    }

    // An item chosen from the keyboard runs: the last one selects everything.
    field->SetSelection(1, 1);
    fwtest::InModalLoop chooser([&] {
        ShownMenu shown;
        if (!ReadShownMenu(shown))
            return false;
        PostMessageW(Window(), WM_KEYDOWN, VK_UP, 1);
        PostMessageW(Window(), WM_KEYDOWN, VK_RETURN, 1);
        return true;
    });
    SendMessageW(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(-1, -1));
    fwtest::Drain();
    ASSERT_TRUE(chooser.Done());
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->SelLength(), static_cast<int>(path.size()));
}

// The field's pixel on the screen, where the caret shows by inverting it.
std::uint32_t OnScreen(HWND window, int x, int y)
{
    fw::DibSection pixel(1, 1);
    HDC dc = GetDC(window);
    BitBlt(pixel.DC(), 0, 0, 1, 1, dc, x, y, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    return fw::FromPixel(pixel.Pixel(0, 0) & 0xFFFFFF);
}

TEST_F(ButtonEditTest, TheCaretHidesWhileTheMenuShows)
{
    // Blinking slowed down: a caret that shows is drawn until it hides.
    const UINT blink = GetCaretBlinkTime();
    SetCaretBlinkTime(60000);
    field->SetText("C:\\Games");
    field->SetFocus();
    Key(VK_END);
    const TSCEditPoint caret = field->CaretPoint();
    auto caretPixel = [&] { return OnScreen(Window(), caret.X, caret.Y + field->LineHeight() / 2); };
    const std::uint32_t before = caretPixel();
    std::uint32_t during = 0;
    fwtest::InModalLoop closer([&] {
        ShownMenu shown;
        if (!ReadShownMenu(shown))
            return false;
        during = caretPixel();
        EndMenu();
        return true;
    });
    SendMessageW(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(-1, -1));
    fwtest::Drain();
    const std::uint32_t after = caretPixel();
    SetCaretBlinkTime(blink);
    ASSERT_TRUE(closer.Done());
    EXPECT_NE(before, 14811134u) << "the caret shows before";
    // The platform's menu loop hides the caret too; ours must show it again once.
    EXPECT_EQ(during, 14811134u) << "hidden while the menu shows";
    EXPECT_EQ(after, before) << "and shows again";
}

}  // namespace
