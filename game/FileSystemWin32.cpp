#include "game/FileSystem.h"

#include <windows.h>

#include <utility>

#include "framework/Exceptions.h"
#include "game/ReadError.h"
#include "game/TransientRetry.h"
#include "game/WindowsEntryKind.h"
#include "game/WindowsPathForm.h"

namespace game {

namespace {

[[noreturn]] void RaiseLastError(int fallback = fw::kIoInvalidFilename)
{
    DWORD code = GetLastError();
    throw fw::EInOutError(code ? static_cast<int>(code) : fallback);
}

std::wstring FullPathName(const std::wstring& path)
{
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    if (n == 0 || (n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr)) == 0 || n >= full.size())
        throw fw::EInOutError(fw::kIoInvalidFilename);
    full.resize(n);
    return full;
}

// The one place the long-path form is added: paths past 259 characters work whatever the
// system's setting. Only a path Windows would still change is made full first; the game
// folder came in full, so the names joined to it reach exactly the entries they name.
std::wstring LongForm(const Path& path)
{
    const std::wstring& text = path.native();
    return LongPathForm(NeedsMakingFull(text) ? FullPathName(text) : text);
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
    friend HANDLE Release(Handle& h) { return std::exchange(h.h_, INVALID_HANDLE_VALUE); }

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

// The reparse tag of an open file, or of none; a tag that cannot be read counts as a link's.
DWORD ReparseTagOf(HANDLE h)
{
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &info, sizeof info))
        return IO_REPARSE_TAG_SYMLINK;
    return info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT ? info.ReparseTag : 0;
}

EntryKind KindOfPath(const std::wstring& longPath, DWORD attributes)
{
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return KindOfWindowsEntry(attributes, 0);
    Handle h(CreateFileW(longPath.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    DWORD tag = h.Get() == INVALID_HANDLE_VALUE ? IO_REPARSE_TAG_SYMLINK : ReparseTagOf(h.Get());
    return KindOfWindowsEntry(attributes, tag);
}

// Whether another program has the file open: it cannot be opened with no sharing at all.
bool HeldOpen(const std::wstring& longPath)
{
    Handle h(CreateFileW(longPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return h.Get() == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
}

// Raises the last error; a replace or remove refused with 5 or 33 over a file another
// program holds open is reported as that (32), whatever sharing it allowed.
[[noreturn]] void RaiseHeldOrLastError(const std::wstring& longPath)
{
    DWORD code = GetLastError();
    if ((code == ERROR_ACCESS_DENIED || code == ERROR_LOCK_VIOLATION) && HeldOpen(longPath))
        code = ERROR_SHARING_VIOLATION;
    throw fw::EInOutError(code ? static_cast<int>(code) : fw::kIoInvalidFilename);
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
    return KindOfWindowsEntry(info.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT), 0);
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
    Win32Files(void (*pause)(unsigned, void*), void* context) : pause_(pause), context_(context) {}

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
        EntryKind kind = KindOfPath(native, attributes);
        return kind == EntryKind::Link && links == Links::Followed ? KindBehindLink(native) : kind;
    }

    std::unique_ptr<ByteSource> OpenForReading(const Path& file) override
    {
        HANDLE h = Open(LongForm(file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
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
        std::wstring native = LongForm(path);
        for (int retries = 0; !CreateDirectoryW(native.c_str(), nullptr);)
            if (!Again(retries))
                RaiseLastError();
    }

    std::unique_ptr<OutputFile> CreateNew(const Path& path) override
    {
        // Others may read it meanwhile; nobody else may write it. Written through, so the
        // new entry and its bytes are on the disk before the writer flushes it.
        HANDLE h = Open(LongForm(path), GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH);
        if (h == INVALID_HANDLE_VALUE)
            RaiseLastError();
        return std::make_unique<Win32OutputFile>(h);
    }

    void FlushFolder(const Path& folder) override
    {
        // Only NTFS and ReFS let a folder be opened for writing and flushed; elsewhere there
        // is nothing more to be done, and the write has not failed for it. SQLite ignores the
        // folder's flush as much.
        Handle h(CreateFileW(LongForm(folder).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (h.Get() != INVALID_HANDLE_VALUE)
            FlushFileBuffers(h.Get());
    }

    void Replace(const Path& from, const Path& to) override
    {
        std::wstring source = LongForm(from), target = LongForm(to);
        for (int retries = 0; !MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);)
            if (!Again(retries))
                RaiseHeldOrLastError(target);
    }

    void RemoveFile(const Path& file) override
    {
        std::wstring native = LongForm(file);
        for (int retries = 0; !DeleteFileW(native.c_str());)
            if (!Again(retries))
                RaiseHeldOrLastError(native);
    }

    bool Discard(const Path& path) noexcept override
    {
        try {
            std::wstring native = LongForm(path);
            for (int retries = 0; !DeleteFileW(native.c_str()) && !RemoveDirectoryW(native.c_str());)
                if (!Again(retries))
                    return false;
            return true;
        } catch (...) {
            return false;
        }
    }

    void CheckReplaceable(const Path& file) override
    {
        // As the replace will need it, and with no sharing at all: any other program that
        // has the file open makes it fail with 32 (a replace over an open file fails
        // whatever sharing that program allowed), a read-only file with 5.
        std::wstring native = LongForm(file);
        Handle h(Open(native, GENERIC_WRITE | DELETE, 0, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT));
        if (h.Get() == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND)
            RaiseHeldOrLastError(native);
    }

    std::string ReadWhole(const Path& file, std::size_t limit) override
    {
        Handle h(OpenUnlinked(LongForm(file)));
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
            // dwReserved0 holds the reparse tag of a reparse point.
            if (name != L"." && name != L"..")
                entries.push_back({Path(name), KindOfWindowsEntry(found.dwFileAttributes, found.dwReserved0)});
        } while (FindNextFileW(h, &found));
        FindClose(h);
        return entries;
    }

    std::unique_ptr<HeldLock> LockFile(const Path& file, int waitMilliseconds) override
    {
        // Shared, so every writer opens the same file and waits on its lock; not through a link.
        HANDLE h = Open(LongForm(file), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
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
private:
    // Whether a call just refused is made again, after a pause: only while the refusal
    // may pass. When not, the last error is still the call's.
    bool Again(int& retries)
    {
        unsigned ms = RetryPauseMs(static_cast<int>(GetLastError()), retries);
        if (ms != 0)
            pause_(ms, context_);
        return ms != 0;
    }

    HANDLE Open(const std::wstring& longPath, DWORD access, DWORD sharing, DWORD disposition, DWORD flags)
    {
        HANDLE h;
        for (int retries = 0;
             (h = CreateFileW(longPath.c_str(), access, sharing, nullptr, disposition, flags, nullptr)) == INVALID_HANDLE_VALUE &&
             Again(retries);) {
        }
        return h;
    }

    // A regular file on a disk for reading, not through a link: a pipe or a device could
    // block. A file the file system keeps behind another kind of reparse point (deduplicated,
    // a cloud placeholder) is opened again from its handle, so that its data comes through
    // and no other file can have taken its name meanwhile.
    HANDLE OpenUnlinked(const std::wstring& longPath)
    {
        constexpr DWORD kSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
        Handle entry(Open(longPath, GENERIC_READ, kSharing, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
        if (entry.Get() == INVALID_HANDLE_VALUE)
            RaiseLastError();
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileType(entry.Get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(entry.Get(), &info))
            throw fw::EInOutError(fw::kIoAccessDenied);
        bool reparse = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (KindOfWindowsEntry(info.dwFileAttributes, reparse ? ReparseTagOf(entry.Get()) : 0) != EntryKind::File)
            throw fw::EInOutError(fw::kIoAccessDenied);
        if (!reparse)
            return Release(entry);
        HANDLE data = ReOpenFile(entry.Get(), GENERIC_READ, kSharing, 0);
        if (data == INVALID_HANDLE_VALUE)
            RaiseLastError();
        return data;
    }

    void (*pause_)(unsigned, void*);
    void* context_;
};

}  // namespace

FileSystem& PlatformFiles()
{
    static Win32Files files([](unsigned ms, void*) { Sleep(ms); }, nullptr);
    return files;
}

std::unique_ptr<FileSystem> Win32FilesPausing(void (*pause)(unsigned ms, void* context), void* context)
{
    return std::make_unique<Win32Files>(pause, context);
}

Path FullPath(const Path& path)
{
    if (IsVerbatimPath(path.native()))
        return path;
    return Path(FullPathName(path.native()));
}

}  // namespace game
