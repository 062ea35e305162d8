// Stands in for the shell while it lives: LaunchURL hands its record here, no browser
// starts, and the launch reports success with the process handle the test chose.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "widgets/shell/ElShellUtils.h"

namespace fwtest {

struct LaunchRecord {
    DWORD cbSize = 0;
    ULONG fMask = 0;
    HWND hwnd = nullptr;
    std::wstring verb;
    std::wstring file;
    bool parameters = false;
    bool directory = false;
    int show = -1;
};

class LaunchRecorder {
public:
    explicit LaunchRecorder(HANDLE process = nullptr) : previous_(ReplaceShellExecute(&Record))
    {
        Launches().clear();
        Process() = process;
    }
    ~LaunchRecorder() { ReplaceShellExecute(previous_); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    static std::vector<LaunchRecord>& Launches()
    {
        static std::vector<LaunchRecord> launches;
        return launches;
    }

private:
    static HANDLE& Process()
    {
        static HANDLE process = nullptr;
        return process;
    }
    static BOOL WINAPI Record(SHELLEXECUTEINFOW* info)
    {
        LaunchRecord r;
        r.cbSize = info->cbSize;
        r.fMask = info->fMask;
        r.hwnd = info->hwnd;
        r.verb = info->lpVerb ? info->lpVerb : L"";
        r.file = info->lpFile ? info->lpFile : L"";
        r.parameters = info->lpParameters != nullptr;
        r.directory = info->lpDirectory != nullptr;
        r.show = info->nShow;
        Launches().push_back(r);
        info->hProcess = Process();
        return TRUE;
    }

    ShellExecuteCall previous_;
};

}  // namespace fwtest
