// The real program started as a separate process and worked from outside with input
// events only, as a player does: browse to the game folder, pick templates, type a custom
// value, write, dismiss the message; then the written table is compared byte for byte.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../framework/GuiTestUtil.h"
#include "../widgets/shell/BrowseDriver.h"
#include "ProgramPath.h"
#include "table/CellAccess.h"
#include "table/Templates.h"
#include "table/XpBonusTable.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"

namespace {

using namespace fw::literals;

const DWORD kLimitMs = 20000;

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// The program under test, ended when the test is done.
class Program {
public:
    Program()
    {
        std::wstring command = L"\"" + apptest::ProgramPath() + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &info_) != FALSE;
    }
    ~Program()
    {
        if (!started_)
            return;
        if (HWND main = Window(nullptr, 0))
            PostMessageW(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return started_; }

    // A visible top-level window of the program (of the class, if given), waited for.
    HWND Window(const wchar_t* className, DWORD waitMs = kLimitMs) const
    {
        const DWORD start = GetTickCount();
        for (;;) {
            const HWND window = apptest::VisibleWindowOf(info_.dwProcessId, className);
            if (window || GetTickCount() - start >= waitMs)
                return window;
            Sleep(20);
        }
    }
    // Waits until no dialog box of the program shows.
    bool NoDialog() const
    {
        const DWORD start = GetTickCount();
        while (Window(L"#32770", 0))
            if (GetTickCount() - start >= kLimitMs)
                return false;
            else
                Sleep(20);
        return true;
    }
    // The text of a tree item, read through memory of the program's, without leading and
    // trailing spaces.
    std::wstring ItemText(HWND tree, HTREEITEM item) const
    {
        struct Shared {
            TVITEMW item;
            wchar_t text[260];
        };
        if (!item)
            return L"";
        auto* remote = static_cast<Shared*>(
            VirtualAllocEx(info_.hProcess, nullptr, sizeof(Shared), MEM_COMMIT, PAGE_READWRITE));
        Shared local = {};
        local.item.mask = TVIF_TEXT;
        local.item.hItem = item;
        local.item.pszText = remote->text;
        local.item.cchTextMax = 260;
        WriteProcessMemory(info_.hProcess, remote, &local, sizeof(local), nullptr);
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&remote->item));
        ReadProcessMemory(info_.hProcess, remote, &local, sizeof(local), nullptr);
        VirtualFreeEx(info_.hProcess, remote, 0, MEM_RELEASE);
        return Trimmed(local.text);
    }
    std::wstring TreeSelection(HWND tree) const
    {
        return ItemText(tree, reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
    }
    // The texts from the tree's root down to its selected item.
    std::vector<std::wstring> TreeSelectionPath(HWND tree) const
    {
        std::vector<std::wstring> path;
        for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)); item;
             item = reinterpret_cast<HTREEITEM>(
                 SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item))))
            path.insert(path.begin(), ItemText(tree, item));
        return path;
    }
    // Waits until the program has started and waits for input.
    void Settle() const { WaitForInputIdle(info_.hProcess, kLimitMs); }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

void SendMouse(DWORD flags, POINT screen)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
}

// Input is handled some time after it is sent: each step waits, bounded, for its effect.
bool WaitFor(const std::function<bool()>& condition, DWORD limitMs = kLimitMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= limitMs)
            return false;
        Sleep(10);
    }
    return true;
}

// A left click at a point of a window's client area.
void ClickAt(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    SendMouse(0, p);
    SendMouse(MOUSEEVENTF_LEFTDOWN, p);
    SendMouse(MOUSEEVENTF_LEFTUP, p);
}

void ClickCentre(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    ClickAt(window, r.right / 2, r.bottom / 2);
}

// The child window whose top edge is at `top` in the parent's client area.
HWND ChildAt(HWND parent, int top)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        if (r.top == top)
            return child;
    }
    return nullptr;
}

void Key(WORD vk, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        // The scan code too: the character a key makes is looked up from it.
        in[0].ki.wScan = in[1].ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

// Characters typed as the keyboard's Unicode packets, one per UTF-16 unit (Wine's keyboard
// on the virtual display makes no characters from plain key codes).
void Type(const std::wstring& text)
{
    for (wchar_t c : text) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wScan = in[1].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

std::string ReadFile(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "(missing)";
    std::string bytes(65536, '\0');
    DWORD read = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    bytes.resize(read);
    return bytes;
}

TEST(EndToEnd, PlayerBrowsesPicksTypesAndWritesTheTable)
{
    // A game folder the browser shows near the top of drive C, and the names the tree shows
    // on the way there in the user's language, as the shell gives them.
    fwtest::ScratchFolder root({L"bg2"}, fwtest::ScratchFolder::AtDriveRoot);
    const std::wstring game = root.Path() + L"\\bg2";
    const std::wstring table = game + L"\\override\\xpbonus.2da";
    std::vector<std::wstring> names = shelltest::TreeNamesOf(game);
    ASSERT_EQ(names.size(), 4u) << "My Computer, the drive, the scratch folder, the game folder";
    names.insert(names.begin(), shelltest::ShellName(CSIDL_DESKTOP));
    const std::wstring& desktop = names[0];
    const std::wstring& myComputer = names[1];

    {
        Program program;
        ASSERT_TRUE(program.Started()) << "build XpTableEditor.exe beside the tests";
        HWND main = program.Window(nullptr);
        ASSERT_NE(main, nullptr);
        program.Settle();

        // The browse button sits at the right end of the game-folder field (12, 32, 369, 21).
        ClickAt(main, 12 + 369 - 8, 32 + 10);
        HWND browse = program.Window(L"#32770");
        ASSERT_NE(browse, nullptr);
        program.Settle();
        // Each step waits for the item it leads to; when another is selected, the browser is
        // cancelled and the test ends there, before anything is confirmed or written.
        HWND tree = FindWindowExW(browse, nullptr, L"SysTreeView32", nullptr);
        auto cancelled = [&](const std::wstring& what) {
            PostMessageW(browse, WM_COMMAND, IDCANCEL, 0);
            program.NoDialog();
            return testing::AssertionFailure() << what << "; the browser was cancelled";
        };
        auto reached = [&](const std::wstring& name) {
            if (WaitFor([&] { return program.TreeSelection(tree) == name; }))
                return testing::AssertionSuccess();
            return cancelled(L"the tree's selection is \"" + program.TreeSelection(tree) + L"\", not \"" + name + L"\"");
        };
        // In the tree: the desktop, My Computer, its first drive (C:), then the game folder
        // by name. Typing an item's first letters selects it; Right expands an item, and on
        // an expanded one moves to its first child.
        ClickAt(tree, 1, 1);  // the focus into the tree, on the desktop at its top
        ASSERT_TRUE(reached(desktop));
        Key(VK_RIGHT);  // expand the desktop
        Type(myComputer);
        // Wine's tree view finds items by ASCII letters only: where the typed name did not
        // get there, the Down key walks from the top to it.
        if (!WaitFor([&] { return program.TreeSelection(tree) == myComputer; }, 1000)) {
            Key(VK_HOME);
            for (int step = 0; step < 50 && program.TreeSelection(tree) != myComputer; ++step) {
                const std::wstring before = program.TreeSelection(tree);
                Key(VK_DOWN);
                if (!WaitFor([&] { return program.TreeSelection(tree) != before; }, 2000))
                    break;  // the last item
            }
        }
        ASSERT_TRUE(reached(myComputer));
        Key(VK_RIGHT, 2);  // expand, then its first child: drive C
        ASSERT_TRUE(reached(names[2]));
        Key(VK_RIGHT);  // expand the drive
        // Letters typed within 450 ms of the last ones extend the tree's search.
        Sleep(500);
        Type(names[3]);
        ASSERT_TRUE(reached(names[3]));
        Key(VK_RIGHT, 2);  // expand, then its only child
        ASSERT_TRUE(reached(names[4]));
        // The whole way, not only the last name, before the folder is confirmed.
        ASSERT_TRUE(program.TreeSelectionPath(tree) == names ? testing::AssertionSuccess()
                                                              : cancelled(L"the selection is not the game folder"));
        ClickCentre(GetDlgItem(browse, IDOK));
        ASSERT_TRUE(program.NoDialog());

        // The lists are closed drop-downs: a click opens one, each arrow key chooses the
        // next item (and loads its template), Enter closes it. Traps: through choices 2 to 5
        // to the custom one; locks: choice 0; scrolls: choices 2 and 3.
        struct Pick {
            int top;
            WORD key;
            int steps;
        };
        for (const Pick& pick : {Pick{84, VK_DOWN, 5}, Pick{132, VK_UP, 1}, Pick{180, VK_DOWN, 2}}) {
            HWND list = ChildAt(main, pick.top);
            ClickAt(main, 12 + 100, pick.top + 10);
            ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
            Key(pick.key, pick.steps);
            const LRESULT target = pick.key == VK_DOWN ? 1 + pick.steps : 1 - pick.steps;
            ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETCURSEL, 0, 0) == target; }));
            Key(VK_RETURN);
            ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
        }

        // Level 3 of the traps column: column 1 starts 35 + 1 pixels in, rows are 20 + 1 high.
        ClickAt(main, 12 + 1 + 36 + 40, 216 + 1 + 3 * 21 + 10);
        Type(L"1234");

        // "Записать" (288, 394, 93, 25), then the success message, dismissed with Enter.
        ClickAt(main, 288 + 46, 394 + 12);
        HWND box = program.Window(L"#32770");
        ASSERT_NE(box, nullptr);
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_EQ(std::wstring(text), fw::Widen(std::string("Файл таблицы опыта успешно создан!"_cp1251)));
        Key(VK_RETURN);
        EXPECT_TRUE(program.NoDialog());
    }

    app::BuiltInTemplates templates;
    app::CellTable cells;
    app::CopyColumn(templates.Lines(0), app::kTrapsColumn, cells);
    app::CopyColumn(templates.Lines(1), app::kLocksColumn, cells);
    app::CopyColumn(templates.Lines(2), app::kScrollsColumn, cells);
    for (int choice : {2, 3, 4, 5, 6})
        app::ApplyChoice(templates, app::kTrapsColumn, choice, cells);
    app::ApplyChoice(templates, app::kLocksColumn, 0, cells);
    for (int choice : {2, 3})
        app::ApplyChoice(templates, app::kScrollsColumn, choice, cells);
    cells.SetCell(app::kTrapsColumn, 3, "1234");
    EXPECT_EQ(ReadFile(table), app::RenderXpBonusText(cells));
}

}  // namespace
