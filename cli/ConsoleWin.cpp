#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

namespace {

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty())
        return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

class WinConsole : public Console {
public:
    WinConsole()
    {
        // No CR before each LF in pipes and files: the same bytes as the POSIX build.
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
    }
    void Out(std::string_view utf8) override { Write(STD_OUTPUT_HANDLE, stdout, utf8); }
    void Err(std::string_view utf8) override { Write(STD_ERROR_HANDLE, stderr, utf8); }

private:
    static void Write(DWORD which, std::FILE* stream, std::string_view text)
    {
        HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
            const std::wstring wide = Wide(text);
            const size_t kChunk = 8192;  // older consoles refuse very long writes
            for (size_t at = 0; at < wide.size();) {
                size_t count = wide.size() - at < kChunk ? wide.size() - at : kChunk;
                // Never part a surrogate pair between two writes.
                if (count > 1 && wide[at + count - 1] >= 0xD800 && wide[at + count - 1] <= 0xDBFF)
                    --count;
                DWORD written = 0;
                WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(count), &written, nullptr);
                at += count;
            }
            return;
        }
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
    }
};

}  // namespace

std::unique_ptr<Console> SystemConsole()
{
    return std::make_unique<WinConsole>();
}

Language UserLanguage()
{
    return LanguageOfWindowsId(GetUserDefaultUILanguage());
}

}  // namespace cli
