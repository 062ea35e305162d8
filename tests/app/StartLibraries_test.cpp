// Which libraries the program loads: the first screen needs no shell, so the shell comes
// with the first browse and not before, and a look at the first screen that ends without
// a browse never loads it, closing included. The program runs as our debuggee, which
// tells us of every library it loads.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>

#include "ProgramPath.h"

namespace {

const DWORD kLimitMs = 20000;
// Quiet this long, the program waits for input: its window is painted.
const DWORD kQuietMs = 300;

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

// The program started as our debuggee; the debug events are handled only inside the Run
// calls, so the program stands still between them. Ended when the test is done.
class WatchedProgram {
public:
    WatchedProgram()
    {
        std::wstring command = L"\"" + apptest::ProgramPath() + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                                  nullptr, nullptr, &startup, &info_) != FALSE;
    }
    ~WatchedProgram()
    {
        if (!started_)
            return;
        if (!ended_) {
            TerminateProcess(info_.hProcess, 1);
            Run(kLimitMs);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    WatchedProgram(const WatchedProgram&) = delete;
    WatchedProgram& operator=(const WatchedProgram&) = delete;

    bool Started() const { return started_; }

    // Lets the program run until it is quiet with a window of the class (any, for none)
    // shown; false when it ended or the time limit passed first.
    bool RunUntilShown(const wchar_t* className)
    {
        const DWORD start = GetTickCount();
        while (Run(kQuietMs)) {
            if (Window(className))
                return true;
            if (GetTickCount() - start >= kLimitMs)
                return false;
        }
        return false;
    }
    // Lets the program run to its end; false when the time limit passed first.
    bool RunToEnd()
    {
        const DWORD start = GetTickCount();
        while (!ended_)
            if (Run(kQuietMs) && GetTickCount() - start >= kLimitMs)
                return false;
        return true;
    }

    HWND Window(const wchar_t* className) const { return apptest::VisibleWindowOf(info_.dwProcessId, className); }
    // Whether a library of this file name (any case) has been loaded so far.
    bool Loaded(const std::wstring& name) const { return loaded_.count(Lower(name)) > 0; }
    size_t LoadedCount() const { return loaded_.size(); }

private:
    // Handles debug events until none comes for `quietMs` (true) or the program ends.
    bool Run(DWORD quietMs)
    {
        DEBUG_EVENT event;
        while (!ended_) {
            if (!WaitForDebugEvent(&event, quietMs))
                return true;
            DWORD status = DBG_CONTINUE;
            switch (event.dwDebugEventCode) {
            case CREATE_PROCESS_DEBUG_EVENT:
                CloseHandle(event.u.CreateProcessInfo.hFile);
                break;
            case LOAD_DLL_DEBUG_EVENT:
                Note(event.u.LoadDll.hFile);
                break;
            case EXCEPTION_DEBUG_EVENT:
                // The program's own exceptions are its own to handle.
                if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                    status = DBG_EXCEPTION_NOT_HANDLED;
                break;
            case EXIT_PROCESS_DEBUG_EVENT:
                ended_ = true;
                break;
            }
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        }
        return false;
    }
    void Note(HANDLE file)
    {
        if (!file)
            return;
        wchar_t path[MAX_PATH] = {};
        if (GetFinalPathNameByHandleW(file, path, MAX_PATH, FILE_NAME_NORMALIZED) > 0) {
            std::wstring name(path);
            loaded_.insert(Lower(name.substr(name.find_last_of(L"\\/") + 1)));
        }
        CloseHandle(file);
    }

    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
    bool ended_ = false;
    std::set<std::wstring> loaded_;
};

// The shell and the libraries only it brings along.
const wchar_t* const kShellLibraries[] = {L"shell32.dll", L"shlwapi.dll", L"shcore.dll"};

TEST(StartLibraries, AFirstScreenClosedWithoutABrowseNeverLoadsTheShell)
{
    WatchedProgram program;
    ASSERT_TRUE(program.Started()) << "build XpTableEditor.exe beside the tests";
    ASSERT_TRUE(program.RunUntilShown(nullptr));
    ASSERT_TRUE(program.Loaded(L"user32.dll")) << "every library is seen: " << program.LoadedCount();
    for (const wchar_t* library : kShellLibraries) {
        SCOPED_TRACE(testing::Message() << library);
        EXPECT_FALSE(program.Loaded(library)) << "at the first screen";
    }

    PostMessageW(program.Window(nullptr), WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.RunToEnd());
    for (const wchar_t* library : kShellLibraries) {
        SCOPED_TRACE(testing::Message() << library);
        EXPECT_FALSE(program.Loaded(library)) << "by the end";
    }
}

TEST(StartLibraries, TheFirstBrowseLoadsTheShellAndOpensTheBrowser)
{
    WatchedProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(program.RunUntilShown(nullptr));
    ASSERT_FALSE(program.Loaded(L"shell32.dll"));

    // The browse button at the right end of the game-folder field (12, 32, 369, 21).
    HWND main = program.Window(nullptr);
    POINT button{12 + 369 - 8, 32 + 10};
    HWND field = ChildWindowFromPoint(main, button);
    ASSERT_NE(field, main);
    MapWindowPoints(main, field, &button, 1);
    // Posted: the browser runs inside the click, while we must keep handling its events.
    PostMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    PostMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(button.x, button.y));
    ASSERT_TRUE(program.RunUntilShown(L"#32770")) << "the browser opens";
    EXPECT_TRUE(program.Loaded(L"shell32.dll"));

    PostMessageW(program.Window(L"#32770"), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program.RunUntilShown(nullptr));
    EXPECT_EQ(program.Window(L"#32770"), nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.RunToEnd());
}

}  // namespace
