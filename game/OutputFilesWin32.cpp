#include "game/OutputFiles.h"

#include <windows.h>

#include "framework/Exceptions.h"
#include "game/LongPath.h"

namespace game::files {

namespace {

[[noreturn]] void RaiseLastError(int fallback = fw::kIoInvalidFilename)
{
    DWORD code = GetLastError();
    throw fw::EInOutError(code ? static_cast<int>(code) : fallback);
}

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

std::wstring LongForm(const Path& path)
{
    std::wstring text = path.native();
    for (wchar_t& c : text)
        if (c == L'/')
            c = L'\\';
    if (text.rfind(L"\\\\?\\", 0) == 0)
        return text;
    DWORD n = GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    if (n == 0 || (n = GetFullPathNameW(text.c_str(), n, full.data(), nullptr)) == 0 || n >= full.size())
        throw fw::EInOutError(fw::kIoInvalidFilename);
    full.resize(n);
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

EntryKind KindOf(const Path& path)
{
    DWORD attributes = GetFileAttributesW(LongForm(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return EntryKind::Missing;
        RaiseLastError();
    }
    // Symbolic links and junctions alike: writing through one writes somewhere else.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryKind::Folder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? EntryKind::Other : EntryKind::File;
}

void CreateFolder(const Path& path)
{
    if (!CreateDirectoryW(LongForm(path).c_str(), nullptr))
        RaiseLastError();
}

OutputFile OutputFile::CreateNew(const Path& path)
{
    // Others may read it meanwhile; nobody else may write it.
    HANDLE h = CreateFileW(LongForm(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        RaiseLastError();
    return OutputFile(reinterpret_cast<std::intptr_t>(h));
}

OutputFile::OutputFile(OutputFile&& other) noexcept : handle_(other.handle_)
{
    other.handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}

OutputFile::~OutputFile()
{
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE)
        CloseHandle(AsHandle(handle_));
}

std::size_t OutputFile::Write(std::string_view data)
{
    DWORD written = 0;
    SetLastError(0);
    if (!WriteFile(AsHandle(handle_), data.data(), static_cast<DWORD>(data.size()), &written, nullptr))
        RaiseLastError(fw::kIoDiskFull);
    return written;
}

void OutputFile::FlushToDisk()
{
    if (!FlushFileBuffers(AsHandle(handle_)))
        RaiseLastError(fw::kIoDiskFull);
}

void OutputFile::Close()
{
    HANDLE h = AsHandle(handle_);
    handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    if (!CloseHandle(h))
        RaiseLastError(fw::kIoDiskFull);
}

void FlushFolder(const Path&) {}

void Replace(const Path& from, const Path& to)
{
    if (!MoveFileExW(LongForm(from).c_str(), LongForm(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError();
}

void RemoveFile(const Path& file)
{
    if (!DeleteFileW(LongForm(file).c_str()))
        RaiseLastError();
}

bool Discard(const Path& path) noexcept
{
    try {
        std::wstring native = LongForm(path);
        return DeleteFileW(native.c_str()) || RemoveDirectoryW(native.c_str());
    } catch (...) {
        return false;
    }
}

void CheckReplaceable(const Path& file)
{
    // Write access with read sharing, as the temporary file is opened: fails with 32 while
    // another program holds the file without letting others write it, 5 when read-only.
    HANDLE h = CreateFileW(LongForm(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return;
        RaiseLastError();
    }
    CloseHandle(h);
}

std::string ReadWhole(const Path& file)
{
    HANDLE h = CreateFileW(LongForm(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        RaiseLastError();
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    BOOL ok;
    while ((ok = ReadFile(h, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        bytes.append(buffer, read);
    if (!ok) {
        DWORD error = GetLastError();
        CloseHandle(h);
        throw fw::EInOutError(static_cast<int>(error));
    }
    CloseHandle(h);
    return bytes;
}

std::vector<Path> ListFolder(const Path& folder)
{
    WIN32_FIND_DATAW found;
    std::wstring pattern = LongForm(folder);
    if (pattern.back() != L'\\')
        pattern += L'\\';
    HANDLE h = FindFirstFileW((pattern + L"*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        RaiseLastError();
    std::vector<Path> names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.emplace_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

}  // namespace game::files
