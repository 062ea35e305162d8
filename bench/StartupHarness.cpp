// Start-up timing under Wine: from process creation to the main window's first complete
// paint, for several programs in one run, alternating (each round starts with the next one,
// so none always runs first). "Complete paint" is when the new process
// first waits for input with its window shown: by then every pending paint is handled.
// Prints each median with its quartiles, then where the time goes in each (the marks a program
// records when XP_STARTUP_MARKS names a file: framework/StartupMarks.h), then every program
// against the reference and the first against each of the others.
//   StartupHarness.exe [--runs N] <program.exe> <reference.exe> [<other.exe>...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
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

// A program's marks of one start, in milliseconds from the process's creation.
using Marks = std::vector<std::pair<std::string, double>>;

// The file the started programs write their marks to (inherited through the environment).
std::wstring MarksFile()
{
    wchar_t folder[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    std::wstring path = length > 0 && length < MAX_PATH ? folder : L".\\";
    return path + L"xp-startup-marks-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

double TicksToMs(long long ticks)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The marks a program wrote (it writes them on its way out), relative to `start`.
Marks ReadMarks(const std::wstring& file, double start)
{
    Marks marks;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return marks;
    char text[2048] = {};
    DWORD got = 0;
    ReadFile(h, text, sizeof text - 1, &got, nullptr);
    CloseHandle(h);
    DeleteFileW(file.c_str());
    text[got] = 0;
    for (char* line = std::strtok(text, "\n"); line; line = std::strtok(nullptr, "\n")) {
        char* last = std::strrchr(line, ' ');
        if (!last)
            continue;
        *last = 0;
        marks.emplace_back(line, TicksToMs(std::atoll(last + 1)) - start);
    }
    return marks;
}

// Milliseconds to a shown, idle main window (negative on failure), with the program's marks.
double TimeStart(const std::wstring& exe, const std::wstring& marksFile, Marks& marks)
{
    DeleteFileW(marksFile.c_str());
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
    marks = ReadMarks(marksFile, start);
    if (elapsed >= 0)
        marks.emplace_back("harness sees idle", elapsed);
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

// Where one program's time goes: the median of each step between its marks, over the runs.
void PrintSplit(const std::wstring& program, const std::vector<Marks>& runs)
{
    if (runs.empty() || runs[0].size() < 2)
        return;
    std::printf("  %ls, median of each step:\n", BaseName(program).c_str());
    const Marks& names = runs[0];
    for (size_t m = 0; m < names.size(); ++m) {
        std::vector<double> steps;
        for (const Marks& run : runs) {
            if (run.size() != names.size() || run[m].first != names[m].first)
                continue;
            steps.push_back(run[m].second - (m == 0 ? 0.0 : run[m - 1].second));
        }
        std::printf("    %-28s %7.1f ms\n", ("to " + names[m].first).c_str(), Quantile(steps, 0.5));
    }
}

// The median of the ratios of a's and b's runs in the same round, with its quartiles.
void PrintPaired(const std::vector<std::wstring>& programs, const std::vector<std::vector<double>>& times, size_t a,
                 size_t b)
{
    std::vector<double> paired;
    for (size_t round = 0; round < times[a].size(); ++round)
        paired.push_back(times[a][round] / times[b][round]);
    std::printf("  %ls / %ls: ratio of medians %.2f, median of paired ratios %.2f (%.2f to %.2f)\n",
                BaseName(programs[a]).c_str(), BaseName(programs[b]).c_str(),
                Quantile(times[a], 0.5) / Quantile(times[b], 0.5), Quantile(paired, 0.5), Quantile(paired, 0.25),
                Quantile(paired, 0.75));
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
    const std::wstring marksFile = MarksFile();
    SetEnvironmentVariableW(L"XP_STARTUP_MARKS", marksFile.c_str());
    Marks marks;
    for (const std::wstring& p : programs)
        TimeStart(p, marksFile, marks);  // warm the file cache for each
    std::vector<std::vector<double>> times(n);
    std::vector<std::vector<Marks>> split(n);
    for (int round = 0; round < runs; ++round) {
        for (size_t k = 0; k < n; ++k) {
            const size_t i = (static_cast<size_t>(round) + k) % n;
            double t = TimeStart(programs[i], marksFile, marks);
            if (t < 0) {
                std::fprintf(stderr, "%ls did not show its window\n", programs[i].c_str());
                return 1;
            }
            times[i].push_back(t);
            split[i].push_back(marks);
        }
    }
    std::printf("start to first paint, %d alternating runs each: median (quartiles)\n", runs);
    for (size_t i = 0; i < n; ++i)
        std::printf("  %-24ls %7.1f ms  (%.1f to %.1f)\n", BaseName(programs[i]).c_str(), Quantile(times[i], 0.5),
                    Quantile(times[i], 0.25), Quantile(times[i], 0.75));
    std::printf("where the time goes, from the process's creation (the steps' medians need not add up):\n");
    for (size_t i = 0; i < n; ++i)
        PrintSplit(programs[i], split[i]);
    // Besides the ratio of the medians, the median of the ratios within each round: runs of one
    // round are a second apart, so a load that comes and goes on the machine mostly cancels.
    for (size_t i = 0; i < n; ++i)
        if (i != 1)
            PrintPaired(programs, times, i, 1);
    for (size_t i = 2; i < n; ++i)
        PrintPaired(programs, times, 0, i);
    return 0;
}
