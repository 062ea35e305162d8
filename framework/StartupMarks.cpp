#include "framework/StartupMarks.h"

#include <windows.h>

#include <cstdio>

namespace fw::startup {

namespace {

struct Stamp {
    const char* name;
    LONGLONG counter;
};

// A start-up has a handful of marks; later ones are dropped rather than allocated for.
const int kMaxMarks = 16;
Stamp g_marks[kMaxMarks];
int g_count = 0;
int g_wanted = -1;  // not asked yet

}  // namespace

bool Recording()
{
    if (g_wanted < 0)
        g_wanted = GetEnvironmentVariableW(L"XP_STARTUP_MARKS", nullptr, 0) > 0 ? 1 : 0;
    return g_wanted == 1;
}

void Mark(const char* name)
{
    if (!Recording() || g_count == kMaxMarks)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    g_marks[g_count++] = {name, now.QuadPart};
}

void WriteMarks()
{
    if (!Recording() || g_count == 0)
        return;
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"XP_STARTUP_MARKS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < g_count; ++i) {
        char line[96];
        const int size = std::snprintf(line, sizeof line, "%s %.4f\n", g_marks[i].name,
                                       static_cast<double>(g_marks[i].counter) * 1000.0 /
                                           static_cast<double>(frequency.QuadPart));
        DWORD written = 0;
        if (size > 0 && size < static_cast<int>(sizeof line))
            WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    }
    CloseHandle(file);
    g_count = 0;
}

}  // namespace fw::startup
