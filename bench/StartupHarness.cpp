// Start-up timing under Wine: from process creation to the main window's first complete
// paint, for several programs in one run, alternating (each round starts with the next one,
// so none always runs first). "Complete paint" is when the new process
// first waits for input with its window shown: by then every pending paint is handled.
// Prints each median with its quartiles, then the first program against each of the others.
//   StartupHarness.exe [--runs N] <program.exe> <reference.exe> [<other.exe>...]
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

// The value below which the given share of the sorted values lies.
double Quantile(std::vector<double> v, double share)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[static_cast<size_t>(share * static_cast<double>(v.size() - 1) + 0.5)];
}

std::wstring BaseName(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    int runs = 15;
    std::vector<std::wstring> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--runs" && i + 1 < argc)
            runs = _wtoi(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() < 2 || runs < 1) {
        std::fprintf(stderr, "usage: StartupHarness [--runs N] <program.exe> <reference.exe> [<other.exe>...]\n");
        return 2;
    }
    const size_t n = programs.size();
    for (const std::wstring& p : programs)
        TimeStart(p);  // warm the file cache for each
    std::vector<std::vector<double>> times(n);
    for (int round = 0; round < runs; ++round) {
        for (size_t k = 0; k < n; ++k) {
            const size_t i = (static_cast<size_t>(round) + k) % n;
            double t = TimeStart(programs[i]);
            if (t < 0) {
                std::fprintf(stderr, "%ls did not show its window\n", programs[i].c_str());
                return 1;
            }
            times[i].push_back(t);
        }
    }
    std::printf("start to first paint, %d alternating runs each: median (quartiles)\n", runs);
    for (size_t i = 0; i < n; ++i)
        std::printf("  %-24ls %7.1f ms  (%.1f to %.1f)\n", BaseName(programs[i]).c_str(), Quantile(times[i], 0.5),
                    Quantile(times[i], 0.25), Quantile(times[i], 0.75));
    // Besides the ratio of the medians, the median of the ratios within each round: runs of one
    // round are a second apart, so a load that comes and goes on the machine mostly cancels.
    const double first = Quantile(times[0], 0.5);
    for (size_t i = 1; i < n; ++i) {
        std::vector<double> paired;
        for (int round = 0; round < runs; ++round)
            paired.push_back(times[0][round] / times[i][round]);
        std::printf("  %ls / %ls: ratio of medians %.2f, median of paired ratios %.2f (%.2f to %.2f)\n",
                    BaseName(programs[0]).c_str(), BaseName(programs[i]).c_str(), first / Quantile(times[i], 0.5),
                    Quantile(paired, 0.5), Quantile(paired, 0.25), Quantile(paired, 0.75));
    }
    return 0;
}
