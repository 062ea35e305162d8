#include "game/FileSystem.h"

#include <windows.h>

#include "framework/Exceptions.h"
#include "game/ReadError.h"

namespace game {

namespace {

[[noreturn]] void RaiseLastError(int fallback = fw::kIoInvalidFilename)
{
    DWORD code = GetLastError();
    throw fw::EInOutError(code ? static_cast<int>(code) : fallback);
}

// The one place the long-path form is added: paths past 259 characters work whatever the
// system's setting. A relative path is made full first, as the long form cannot be relative.
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
    return LongPathForm(full);
}

// Closes a handle when dropped.
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

class Win32InputFile : public ByteSource {
public:
    Win32InputFile(Path path, HANDLE h, std::uint64_t size) : path_(std::move(path)), h_(h), size_(size) {}
    ~Win32InputFile() override { CloseHandle(h_); }
    Win32InputFile(const Win32InputFile&) = delete;
    Win32InputFile& operator=(const Win32InputFile&) = delete;

    const Path& Name() const override { return path_; }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const override
    {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD got = 0;
        if (!ReadFile(h_, buffer, want, &got, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                return 0;
            throw ReadError::OfFile(ReadProblem::CannotRead, path_, offset, static_cast<int>(GetLastError()));
        }
        return got;
    }

private:
    Path path_;
    HANDLE h_;
    std::uint64_t size_;
};

EntryKind KindOfAttributes(DWORD attributes)
{
    // Symbolic links and junctions alike: writing through one writes somewhere else.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryKind::Folder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? EntryKind::Other : EntryKind::File;
}

// What a link leads to, asked of the file it opens; nothing there for a dangling link.
EntryKind KindBehindLink(const std::wstring& longPath)
{
    Handle h(CreateFileW(longPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (h.Get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h.Get(), &info))
        return EntryKind::Missing;
    if (GetFileType(h.Get()) != FILE_TYPE_DISK)
        return EntryKind::Other;
    return KindOfAttributes(info.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT));
}

class Win32OutputFile : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE h) : h_(h) {}
    ~Win32OutputFile() override
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Win32OutputFile(const Win32OutputFile&) = delete;
    Win32OutputFile& operator=(const Win32OutputFile&) = delete;

    std::size_t Write(std::string_view data) override
    {
        DWORD written = 0;
        SetLastError(0);
        if (!WriteFile(h_, data.data(), static_cast<DWORD>(data.size()), &written, nullptr))
            RaiseLastError(fw::kIoDiskFull);
        return written;
    }

    void FlushToDisk() override
    {
        if (!FlushFileBuffers(h_))
            RaiseLastError(fw::kIoDiskFull);
    }

    void Close() override
    {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(h))
            RaiseLastError(fw::kIoDiskFull);
    }

    void TakeModeOf(const Path&) override {}

private:
    HANDLE h_;
};

class Win32Lock : public HeldLock {
public:
    explicit Win32Lock(HANDLE h) : h_(h) {}
    ~Win32Lock() override { CloseHandle(h_); }  // closing the handle lets go of its lock
    Win32Lock(const Win32Lock&) = delete;
    Win32Lock& operator=(const Win32Lock&) = delete;

private:
    HANDLE h_;
};

// An exclusive lock on every byte of the file, without waiting: true when taken, false while
// another holds it.
bool TryLock(HANDLE h)
{
    OVERLAPPED at{};
    if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at))
        return true;
    if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING)
        RaiseLastError();
    return false;
}

class Win32Files : public FileSystem {
public:
    EntryKind KindOf(const Path& path, Links links) override
    {
        std::wstring native = LongForm(path);
        DWORD attributes = GetFileAttributesW(native.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                return EntryKind::Missing;
            RaiseLastError();
        }
        EntryKind kind = KindOfAttributes(attributes);
        return kind == EntryKind::Link && links == Links::Followed ? KindBehindLink(native) : kind;
    }

    std::unique_ptr<ByteSource> OpenForReading(const Path& file) override
    {
        HANDLE h = CreateFileW(LongForm(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            throw ReadError::OfFile(ReadProblem::CannotOpen, file, std::nullopt, static_cast<int>(GetLastError()));
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            CloseHandle(h);
            throw ReadError::OfFile(ReadProblem::NotRegularFile, file, std::nullopt, 0);
        }
        std::uint64_t size = static_cast<std::uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
        return std::make_unique<Win32InputFile>(file, h, size);
    }

    void CreateFolder(const Path& path) override
    {
        if (!CreateDirectoryW(LongForm(path).c_str(), nullptr))
            RaiseLastError();
    }

    std::unique_ptr<OutputFile> CreateNew(const Path& path) override
    {
        // Others may read it meanwhile; nobody else may write it.
        HANDLE h = CreateFileW(LongForm(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            RaiseLastError();
        return std::make_unique<Win32OutputFile>(h);
    }

    void FlushFolder(const Path&) override {}

    void Replace(const Path& from, const Path& to) override
    {
        if (!MoveFileExW(LongForm(from).c_str(), LongForm(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            RaiseLastError();
    }

    void RemoveFile(const Path& file) override
    {
        if (!DeleteFileW(LongForm(file).c_str()))
            RaiseLastError();
    }

    bool Discard(const Path& path) noexcept override
    {
        try {
            std::wstring native = LongForm(path);
            return DeleteFileW(native.c_str()) || RemoveDirectoryW(native.c_str());
        } catch (...) {
            return false;
        }
    }

    void CheckReplaceable(const Path& file) override
    {
        // Write access with read sharing, as the temporary file is opened: fails with 32 while
        // another program holds the file without letting others write it, 5 when read-only.
        Handle h(CreateFileW(LongForm(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (h.Get() == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND)
            RaiseLastError();
    }

    std::string ReadWhole(const Path& file, std::size_t limit) override
    {
        // Not through a link, and only a file on a disk: a pipe or a device could block.
        Handle h(CreateFileW(LongForm(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (h.Get() == INVALID_HANDLE_VALUE)
            RaiseLastError();
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileType(h.Get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(h.Get(), &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
            throw fw::EInOutError(fw::kIoAccessDenied);
        std::string bytes;
        char buffer[4096];
        for (;;) {
            DWORD read = 0;
            if (!ReadFile(h.Get(), buffer, sizeof buffer, &read, nullptr))
                RaiseLastError();
            if (read == 0)
                return bytes;
            bytes.append(buffer, read);
            if (bytes.size() > limit)
                throw fw::EInOutError(kIoFileTooLarge);
        }
    }

    std::vector<FolderEntry> ListFolder(const Path& folder) override
    {
        WIN32_FIND_DATAW found;
        std::wstring pattern = LongForm(folder);
        if (pattern.back() != L'\\')
            pattern += L'\\';
        HANDLE h = FindFirstFileW((pattern + L"*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE)
            RaiseLastError();
        std::vector<FolderEntry> entries;
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                entries.push_back({Path(name), KindOfAttributes(found.dwFileAttributes)});
        } while (FindNextFileW(h, &found));
        FindClose(h);
        return entries;
    }

    std::unique_ptr<HeldLock> LockFile(const Path& file, int waitMilliseconds) override
    {
        // Shared, so every writer opens the same file and waits on its lock; not through a link.
        HANDLE h = CreateFileW(LongForm(file).c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            RaiseLastError();
        auto lock = std::make_unique<Win32Lock>(h);
        // Polled, with pauses growing to 20 ms, as LockFileEx waits without a time limit.
        const DWORD start = GetTickCount();
        for (DWORD pause = 1; !TryLock(h); pause = pause < 20 ? pause * 2 : 20) {
            if (GetTickCount() - start >= static_cast<DWORD>(waitMilliseconds))
                return nullptr;
            Sleep(pause);
        }
        return lock;
    }
};

}  // namespace

FileSystem& PlatformFiles()
{
    static Win32Files files;
    return files;
}

}  // namespace game
