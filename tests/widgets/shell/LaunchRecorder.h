// Stands in for the shell while it lives: LaunchURL's records are kept here, no browser
// starts, and each launch succeeds with the process handle the test chose.
#pragma once

#include <windows.h>

#include <vector>

#include "widgets/shell/ShellLibrary.h"

namespace fwtest {

class LaunchRecorder {
public:
    explicit LaunchRecorder(HANDLE process = nullptr) : previous_(ReplaceShellFunctions(Recording()))
    {
        Launches().clear();
        Process() = process;
    }
    ~LaunchRecorder() { ReplaceShellFunctions(previous_); }
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
    static ShellFunctions Recording()
    {
        ShellFunctions shell = ShellApi();
        shell.ShellExecuteExW = &Record;
        return shell;
    }
    static BOOL WINAPI Record(SHELLEXECUTEINFOW* info)
    {
        Launches().push_back({*info, info->lpVerb ? info->lpVerb : L"", info->lpFile ? info->lpFile : L""});
        info->hProcess = Process();
        return TRUE;
    }
    ShellFunctions previous_;
};

}  // namespace fwtest
