// Start-up timing under Wine: from process creation to the main window's first complete
// paint, for the program and for a minimal Win32 program, alternating, in one run.
// "Complete paint" is when the new process first waits for input with its window shown:
// by then every pending paint message has been handled.
//   StartupHarness.exe <program.exe> <reference.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/Clock.h"

namespace {

struct FindData {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND w, LPARAM param)
{
    auto* data = reinterpret_cast<FindData*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == data->process && IsWindowVisible(w)) {
        data->found = w;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds to a shown, idle main window; negative on failure.
double TimeStart(const std::wstring& exe)
{
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::wstring cmd = L"\"" + exe + L"\"";
    double start = NowMs();
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    FindData data = {pi.dwProcessId, nullptr};
    double elapsed = -1;
    for (int i = 0; i < 20000 && !data.found; ++i) {
        if (WaitForInputIdle(pi.hProcess, 10) == 0)
            EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&data));
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
    }
    if (data.found) {
        // Idle again after showing: the first paint is done.
        WaitForInputIdle(pi.hProcess, 5000);
        elapsed = NowMs() - start;
        PostMessageW(data.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupHarness <program.exe> <reference.exe> [runs]\n");
        return 2;
    }
    int runs = argc > 3 ? _wtoi(argv[3]) : 15;
    std::vector<double> program, reference;
    TimeStart(argv[1]);  // warm the file cache for both
    TimeStart(argv[2]);
    for (int i = 0; i < runs; ++i) {
        double p = TimeStart(argv[1]);
        double r = TimeStart(argv[2]);
        if (p < 0 || r < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 1;
        }
        program.push_back(p);
        reference.push_back(r);
    }
    double mp = Median(program), mr = Median(reference);
    std::printf("start to first paint, median of %d: program %.1f ms, minimal window %.1f ms, ratio %.2f\n", runs,
                mp, mr, mp / mr);
    return 0;
}
