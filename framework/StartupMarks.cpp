#include "framework/StartupMarks.h"

#include <windows.h>

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

// "name ticks\n" into `line`, the counter in decimal digits written by hand: the C runtime's
// number formatting would add some 30 KB to the program. Returns the length.
int Line(const Stamp& stamp, char (&line)[64])
{
    int n = 0;
    for (const char* c = stamp.name; *c && n < 40; ++c)
        line[n++] = *c;
    line[n++] = ' ';
    char digits[24];
    int count = 0;
    unsigned long long rest = stamp.counter < 0 ? 0 : static_cast<unsigned long long>(stamp.counter);
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (count > 0)
        line[n++] = digits[--count];
    line[n++] = '\n';
    return n;
}

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
    for (int i = 0; i < g_count; ++i) {
        char line[64];
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(Line(g_marks[i], line)), &written, nullptr);
    }
    CloseHandle(file);
    g_count = 0;
}

}  // namespace fw::startup
