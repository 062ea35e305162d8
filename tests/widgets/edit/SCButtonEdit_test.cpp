// The game-folder field driven through its window: text writes, keys in the read-only
// field, presses on the text and the button, focus, the caret and the default menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "../../framework/GuiTestUtil.h"
#include "../../framework/InModalLoop.h"
#include "FieldTest.h"
#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Gdi.h"

namespace {

using namespace fw::literals;

// Longer than the field shows: about 900 pixels of text.
const std::string kLongPath = "C:\\Program Files\\Black Isle\\Baldur's Gate II - Shadows of Amn\\"
                              "Throne of Bhaal\\override\\backup\\2024-05-01\\scripts\\kits";

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

class ButtonEditTest : public edittest::FieldTest {
protected:
    // A key pressed in the field with the modifiers held.
    void Key(WORD key, std::initializer_list<BYTE> held = {})
    {
        edittest::HeldKeys keys(held);
        fwtest::KeyDown(Window(), key);
        fwtest::Drain();
    }
    void Press(UINT message, WPARAM keys, POINT at) { SendMessageW(Window(), message, keys, MAKELPARAM(at.x, at.y)); }
    // The field unfocused, holding `text` with the caret at the start.
    void Reset(const std::string& text)
    {
        form->other->SetFocus();
        field->SetText("");
        field->SetText(text);
        fwtest::Drain();
    }
    // Opens the default menu from the keyboard, reads it, and closes it.
    ShownMenu MenuFromTheKeyboard(const std::function<void()>& whileShown = {})
    {
        ShownMenu shown;
        fwtest::InModalLoop closer([&] {
            if (!ReadShownMenu(shown))
                return false;
            if (whileShown)
                whileShown();
            EndMenu();
            return true;
        });
        SendMessageW(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(-1, -1));
        fwtest::Drain();
        EXPECT_TRUE(closer.Done());
        return shown;
    }
};

// A button edit as made, before a window description changes it.
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
        {"auto size, select, hide selection", edit.AutoSize() && edit.AutoSelect() && edit.HideSelection(), true},
        {"scesWinXP base", static_cast<long>(edit.Colors().WinXPColor()), 16762807},
        {"buttons, Button first", edit.ButtonCount() == 2 && &edit.Buttons(0) == &button, true},
        {"Button: dots", button.Style(), scebBrowse},
        {"Button: visible, on the right", button.Visible() && button.Align() == taRightJustify, true},
        {"Button: automatic width", button.Width(), -1},
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
        std::string value, text, raised;
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
        field->SelectAll();  // the caret at the end, a long text scrolled
        const int caretBefore = field->CaretPos(), offsetBefore = field->ScrollOffset();
        log.clear();
        ValidateRect(Window(), nullptr);
        field->SetText(c.value);
        const bool changed = !c.raised.empty();
        EXPECT_EQ(field->Text(), c.text);
        EXPECT_EQ(log, c.raised) << "OnCaretMove, then OnChange, only for a new text";
        EXPECT_EQ(GetUpdateRect(Window(), nullptr, FALSE) != FALSE, changed) << "a repaint only for a new text";
        EXPECT_EQ(field->CaretPos(), changed ? 0 : caretBefore);
        EXPECT_EQ(field->SelLength(), changed ? 0 : caretBefore);
        EXPECT_EQ(field->ScrollOffset(), changed ? 0 : offsetBefore);
        EXPECT_TRUE(changed || c.text != kLongPath || offsetBefore > 0) << "the long path was scrolled, and stays so";
    }
    // Nothing is raised while the description loads; MaxLength cuts.
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
    auto records = [](const TSCEditUndoStack* stack) {
        std::string text;
        for (int i = 0; stack && i < stack->Count(); ++i)
            text += (stack->Item(i).Kind == seukDeletion ? "del " : "ins ") + std::to_string(stack->Item(i).Group) +
                    " " + stack->Item(i).Text + ";";
        return text;
    };
    field->SetText("C:\\A");
    field->SetText("C:\\B");
    EXPECT_EQ(records(field->UndoStack()), "ins 0 C:\\A;del 1 C:\\A;ins 1 C:\\B;");
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(field->Text(), "C:\\B") << "read-only: the text stays";
    EXPECT_EQ(records(field->UndoStack()), "ins 0 C:\\A;");
    EXPECT_EQ(records(field->RedoStack()), "ins 1 C:\\B;del 1 C:\\A;") << "the whole group, newest first";
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
        {"Ctrl+X", [&] { Key('X', {VK_CONTROL}); }},
        {"Ctrl+V", [&] { Key('V', {VK_CONTROL}); }},
        {"Shift+Insert", [&] { Key(VK_INSERT, {VK_SHIFT}); }},
    };
    for (const Case& c : edits) {
        SCOPED_TRACE(c.what);
        field->SetText(path);
        field->SetSelection(3, 7);
        c.press();
        EXPECT_EQ(field->Text(), path);
        EXPECT_EQ(fw::Clipboard::GetText(), "pasted");
    }
    // Home, then Shift+End selects the path; Ctrl+C puts it on the clipboard as Unicode text.
    Key(VK_HOME);
    EXPECT_EQ(field->CaretPos(), 0);
    Key(VK_END, {VK_SHIFT});
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->SelLength(), static_cast<int>(path.size()));
    Key('C', {VK_CONTROL});
    EXPECT_EQ(edittest::ClipboardUnicode(), L"C:\\\u0418\u0433\u0440\u044B\\\u0412\u0440\u0430\u0442\u0430 "
                                            L"\u0411\u0430\u043B\u0434\u0443\u0440\u0430");
    field->SetSelection(3, 7);
    Key(VK_INSERT, {VK_CONTROL});
    EXPECT_EQ(fw::Clipboard::GetText(), path.substr(3, 4));
    // OnClipCopy sees the text first and may change it.
    field->OnClipCopy = [](std::string& text, bool&) { text.append(" copied"); };
    Key('C', {VK_CONTROL});
    EXPECT_EQ(fw::Clipboard::GetText(), path.substr(3, 4).append(" copied"));
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

// What each press leaves, starting unfocused with a long path shown from its start.
TEST_F(ButtonEditTest, AnyPressFocusesTheFieldAndOnlyTheButtonsLeftPressClicks)
{
    int clicks = 0;
    bool captured = true, drawnDown = true;
    field->OnButtonClick = [&] {
        ++clicks;
        // The handler may run a modal dialog: the press is let go of already.
        captured = GetCapture() == Window();
        drawnDown = field->Button().Down() || field->Button().Hot();
    };
    const TSCEditRect area = field->TextArea();
    const POINT text{area.Left + 40, (area.Top + area.Bottom) / 2};
    const int all = static_cast<int>(kLongPath.size());
    struct Case {
        const char* what;
        std::function<void()> press;
        int clicks, selStart, selLength;  // selStart -1: the caret past the start, nothing selected
        bool scrolled;
    } cases[] = {
        {"left press on the button", [&] { fwtest::Click(Window(), ButtonCentre().x, ButtonCentre().y); }, 1, 0, 0,
         false},
        {"left press in the text", [&] { fwtest::Click(Window(), text.x, text.y); }, 0, -1, 0, false},
        {"right press on the button", [&] { Press(WM_RBUTTONDOWN, MK_RBUTTON, ButtonCentre()); }, 0, 0, 0, false},
        {"right press in the text: AutoSelect", [&] { Press(WM_RBUTTONDOWN, MK_RBUTTON, text); }, 0, 0, all, true},
        {"focus from the program: AutoSelect", [&] { field->SetFocus(); }, 0, 0, all, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset(kLongPath);
        clicks = 0;
        c.press();
        fwtest::Drain();
        EXPECT_EQ(GetFocus(), Window());
        EXPECT_EQ(clicks, c.clicks) << "raised on the press, once";
        EXPECT_EQ(field->SelStart() > 0, c.selStart < 0);
        EXPECT_EQ(field->SelStart(), c.selStart < 0 ? field->CaretPos() : c.selStart);
        EXPECT_EQ(field->SelLength(), c.selLength);
        EXPECT_EQ(field->ScrollOffset() > 0, c.scrolled);
        ReleaseCapture();
    }
    EXPECT_FALSE(captured);
    EXPECT_FALSE(drawnDown);
    // Tab never enters the field.
    for (int i = 0; i < 3; ++i) {
        MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
        IsDialogMessageW(form->Handle(), &tab);
        fwtest::Drain();
        EXPECT_NE(GetFocus(), Window());
    }
}

TEST_F(ButtonEditTest, TheIBeamShowsOverTheTextAndTheArrowElsewhere)
{
    const TSCEditRect area = field->TextArea();
    const struct {
        POINT at;
        LPCWSTR cursor;
    } cases[] = {{{area.Left + 10, area.Top + 5}, IDC_IBEAM}, {ButtonCentre(), IDC_ARROW}, {{1, 1}, IDC_ARROW}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.at.x) + ", " + std::to_string(c.at.y));
        const POINT screen = field->ClientToScreen(c.at);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor));
    }
}

// One pixel wide and one line (14 pixels) high while focused, read-only too; hidden while the menu
// shows (as the screen shows it: blinking slowed down, a shown caret stays drawn).
TEST_F(ButtonEditTest, TheCaretShowsWhileFocusedAndHidesForTheMenu)
{
    const UINT blink = GetCaretBlinkTime();
    SetCaretBlinkTime(60000);
    field->SetText("C:\\Games");
    EXPECT_NE(edittest::Caret().hwndCaret, Window());
    field->SetFocus();
    Key(VK_END);
    const GUITHREADINFO info = edittest::Caret();
    const TSCEditPoint at = field->CaretPoint();
    EXPECT_EQ(info.hwndCaret, Window());
    EXPECT_EQ(info.rcCaret.left, at.X);
    EXPECT_EQ(info.rcCaret.top, at.Y);
    EXPECT_EQ(info.rcCaret.right - info.rcCaret.left, 1);
    EXPECT_EQ(info.rcCaret.bottom - info.rcCaret.top, 14);

    auto caretPixel = [&] { return OnScreen(Window(), at.X, at.Y + field->LineHeight() / 2); };
    const std::uint32_t before = caretPixel();
    std::uint32_t during = 0;
    MenuFromTheKeyboard([&] { during = caretPixel(); });
    const std::uint32_t after = caretPixel();
    SetCaretBlinkTime(blink);
    EXPECT_NE(before, 14811134u) << "the caret shows before";
    // The platform's menu loop hides the caret as well; ours must show it again, once.
    EXPECT_EQ(during, 14811134u) << "hidden while the menu shows";
    EXPECT_EQ(after, before) << "and shows again";

    SetFocus(form->Handle());
    fwtest::Drain();
    EXPECT_EQ(edittest::Caret().hwndCaret, nullptr) << "destroyed with the focus";
}

TEST_F(ButtonEditTest, TheDefaultMenuEnablesWhatTheFieldAllowsAndOpensByTheCaret)
{
    const std::string path = "C:\\Games\\BG2";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string enabled;
        bool byCaret;  // beside the caret on the top edge, else at the bottom-left corner
    } cases[] = {
        {"after a write, the caret inside", [&] { field->SetSelection(4, 4); }, "Undo|Select All", true},
        {"a selection", [&] { field->SetSelection(0, 4); }, "Undo|Copy|Select All", true},
        {"everything selected", [&] { field->SelectAll(); }, "Undo|Copy", true},
        {"after Ctrl+Z", [&] { Key('Z', {VK_CONTROL}); field->SetSelection(2, 2); }, "Redo|Select All", true},
        {"writable, with clipboard text",
         [&] {
             field->SetReadOnly(false);
             fw::Clipboard::SetText("x");
             field->SetSelection(0, 4);
         },
         "Undo|Cut|Copy|Paste|Delete|Select All", true},
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
        c.prepare();
        fwtest::Drain();
        const TSCEditPoint caret = field->CaretPoint();
        const POINT expected = field->ClientToScreen(c.byCaret ? POINT{caret.X + 4, 0} : POINT{0, field->Height()});
        const ShownMenu shown = MenuFromTheKeyboard();
        EXPECT_EQ(shown.items, "Undo|Redo|-|Cut|Copy|Paste|Delete|-|Select All");
        EXPECT_EQ(shown.enabled, c.enabled);
        EXPECT_EQ(shown.topLeft.x, expected.x);
        EXPECT_EQ(shown.topLeft.y, expected.y);
    }
}

}  // namespace
