#include "ProgramPath.h"

#include <cwchar>

namespace apptest {

namespace {

struct Found {
    DWORD process;
    const wchar_t* className;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<Found*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (process == found->process && IsWindowVisible(window) &&
        (!found->className || wcscmp(cls, found->className) == 0)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring ProgramPath()
{
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"XP_PROGRAM", path, MAX_PATH) > 0)
        return path;
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring own(path);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"XpTableEditor.exe";
}

HWND VisibleWindowOf(DWORD process, const wchar_t* className)
{
    Found found{process, className, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

}  // namespace apptest
