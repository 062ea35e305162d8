#include "ProgramPath.h"

#include <windows.h>

namespace apptest {

std::wstring ProgramPath()
{
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"XP_PROGRAM", path, MAX_PATH) > 0)
        return path;
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring own(path);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"XpTableEditor.exe";
}

}  // namespace apptest
