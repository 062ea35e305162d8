#include "game/InputFile.h"

#include <windows.h>

#include "game/LongPath.h"
#include "game/TableReading.h"

namespace game {

namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

std::string ErrorText(const char* what)
{
    return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

InputFile::InputFile(Path path) : path_(std::move(path))
{
    // The long form: a game folder may lie deeper than 259 characters.
    HANDLE h = CreateFileW(files::LongForm(path_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw ReadError(path_, std::nullopt, ErrorText("cannot open the file"));
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(h);
        throw ReadError(path_, std::nullopt, "not a regular file");
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    size_ = static_cast<std::uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
}

InputFile::~InputFile()
{
    CloseHandle(AsHandle(handle_));
}

std::size_t InputFile::ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer, want, &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        throw ReadError(path_, offset, ErrorText("cannot read the file"));
    }
    return got;
}

}  // namespace game
