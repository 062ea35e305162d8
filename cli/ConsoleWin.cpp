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
    void Out(std::string_view utf8) override
    {
        DWORD error = Write(STD_OUTPUT_HANDLE, stdout, utf8);
        // A reader that went away: the pipe is closed, which is no failure of ours.
        if (error != ERROR_SUCCESS && error != ERROR_NO_DATA && error != ERROR_BROKEN_PIPE && outFailure_ == 0)
            outFailure_ = static_cast<int>(error);
    }
    void Err(std::string_view utf8) override { Write(STD_ERROR_HANDLE, stderr, utf8); }
    int OutFailure() const override { return outFailure_; }

private:
    // The platform's error code when the text did not all arrive, else ERROR_SUCCESS.
    static DWORD Write(DWORD which, std::FILE* stream, std::string_view text)
    {
        HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode))
            return WriteToConsole(handle, Wide(text));
        SetLastError(ERROR_SUCCESS);
        bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
        if (std::fflush(stream) == 0 && written)
            return ERROR_SUCCESS;
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
    }

    static DWORD WriteToConsole(HANDLE handle, const std::wstring& wide)
    {
        const size_t kChunk = 8192;  // older consoles refuse very long writes
        for (size_t at = 0; at < wide.size();) {
            size_t count = wide.size() - at < kChunk ? wide.size() - at : kChunk;
            // Never part a surrogate pair between two writes.
            if (count > 1 && wide[at + count - 1] >= 0xD800 && wide[at + count - 1] <= 0xDBFF)
                --count;
            DWORD written = 0;
            if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(count), &written, nullptr))
                return GetLastError();
            at += count;
        }
        return ERROR_SUCCESS;
    }

    int outFailure_ = 0;
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
