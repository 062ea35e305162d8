// Stands in for the shell while it lives: LaunchURL's records are kept here, no browser
// starts, and each launch succeeds with the process handle the test chose.
#pragma once

#include <windows.h>

#include <vector>

#include "widgets/shell/ElShellUtils.h"

namespace fwtest {

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

    // The records, with lpVerb and lpFile as they were when the call was made.
    struct Launch {
        SHELLEXECUTEINFOW info;
        std::wstring verb, file;
    };
    static std::vector<Launch>& Launches()
    {
        static std::vector<Launch> launches;
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
        Launches().push_back({*info, info->lpVerb ? info->lpVerb : L"", info->lpFile ? info->lpFile : L""});
        info->hProcess = Process();
        return TRUE;
    }
    ShellExecuteCall previous_;
};

}  // namespace fwtest
