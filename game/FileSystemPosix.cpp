#include "game/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>

#include "framework/Exceptions.h"
#include "game/ReadError.h"

namespace game {

namespace {

bool ParentMissing(const Path& path)
{
    struct stat info;
    Path parent = path.parent_path();
    return !parent.empty() && ::stat(parent.c_str(), &info) != 0;
}

// errno as the Windows error code the window reports for the same failure.
int CodeForErrno(int error, const Path& path)
{
    switch (error) {
    case ENOENT: return ParentMissing(path) ? 3 : 2;  // ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return 3;                     // the path cannot name a file
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;                     // ERROR_ACCESS_DENIED
    case EMFILE:
    case ENFILE: return 4;                     // ERROR_TOO_MANY_OPEN_FILES
    case EBUSY:
    case ETXTBSY: return 32;                   // ERROR_SHARING_VIOLATION
    case EEXIST: return kIoFileExists;         // ERROR_FILE_EXISTS
    case ENOSPC:
    case EDQUOT: return 112;                   // ERROR_DISK_FULL
    case EXDEV: return 17;                     // ERROR_NOT_SAME_DEVICE
    case ENOTEMPTY: return 145;                // ERROR_DIR_NOT_EMPTY
    case EIO: return 29;                       // ERROR_WRITE_FAULT
    case ENOMEM: return 8;                     // ERROR_NOT_ENOUGH_MEMORY
    default: return 31;                        // ERROR_GEN_FAILURE
    }
}

// Keeps errno beside the window's code: the command words the failure as the system does.
[[noreturn]] void Raise(const Path& path, int error = errno)
{
    throw fw::EInOutError(CodeForErrno(error, path), error);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// A regular file's descriptor, opened without blocking (a FIFO cannot hang the read) and
// without following a link.
int OpenRegular(const Path& file)
{
    int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        Raise(file);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw fw::EInOutError(fw::kIoAccessDenied);
    }
    return fd;
}

class PosixInputFile : public ByteSource {
public:
    PosixInputFile(Path path, int fd, std::uint64_t size) : path_(std::move(path)), fd_(fd), size_(size) {}
    ~PosixInputFile() override { ::close(fd_); }
    PosixInputFile(const PosixInputFile&) = delete;
    PosixInputFile& operator=(const PosixInputFile&) = delete;

    const Path& Name() const override { return path_; }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const override
    {
        for (;;) {
            ssize_t n = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                throw ReadError::OfFile(ReadProblem::CannotRead, path_, offset, errno);
        }
    }

private:
    Path path_;
    int fd_;
    std::uint64_t size_;
};

EntryKind KindOfMode(mode_t mode)
{
    if (S_ISLNK(mode))
        return EntryKind::Link;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    return S_ISREG(mode) ? EntryKind::File : EntryKind::Other;
}

class PosixOutputFile : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    std::size_t Write(std::string_view data) override
    {
        for (;;) {
            ssize_t n = ::write(fd_, data.data(), data.size());
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                Raise(Path());
        }
    }

    void FlushToDisk() override
    {
        if (::fsync(fd_) != 0)
            Raise(Path());
    }

    void Close() override
    {
        int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0 && errno != EINTR)
            Raise(Path());
    }

    void TakeModeOf(const Path& file) override
    {
        struct stat info;
        if (::stat(file.c_str(), &info) != 0)
            Raise(file);
        if (::fchmod(fd_, info.st_mode & 0777) != 0)
            Raise(file);
    }

private:
    int fd_;
};

class PosixLock : public HeldLock {
public:
    explicit PosixLock(int fd) : fd_(fd) {}
    ~PosixLock() override { ::close(fd_); }  // closing the description lets go of its lock
    PosixLock(const PosixLock&) = delete;
    PosixLock& operator=(const PosixLock&) = delete;

private:
    int fd_;
};

// An exclusive lock on the whole file without waiting: true when taken, false while another
// holds it. Open-file-description locks where the system has them: they belong to this open
// file alone, not to the process, and conflict with the POSIX locks other programs (Wine's
// server among them) take on the same file.
bool TryLock(int fd)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    int result = ::fcntl(fd, F_OFD_SETLK, &whole);
#else
    int result = ::fcntl(fd, F_SETLK, &whole);
#endif
    if (result == 0)
        return true;
    if (errno != EAGAIN && errno != EACCES && errno != EINTR)
        Raise(Path());
    return false;
}

long long MonotonicMilliseconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void PauseMilliseconds(int milliseconds)
{
    timespec pause {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    ::nanosleep(&pause, nullptr);
}

class PosixFiles : public FileSystem {
public:
    EntryKind KindOf(const Path& path, Links links) override
    {
        struct stat info;
        if ((links == Links::Kept ? ::lstat(path.c_str(), &info) : ::stat(path.c_str(), &info)) != 0) {
            if (errno == ENOENT || errno == ENOTDIR)
                return EntryKind::Missing;
            Raise(path);
        }
        return KindOfMode(info.st_mode);
    }

    std::unique_ptr<ByteSource> OpenForReading(const Path& file) override
    {
        int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            throw ReadError::OfFile(ReadProblem::CannotOpen, file, std::nullopt, errno);
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            throw ReadError::OfFile(ReadProblem::NotRegularFile, file, std::nullopt, 0);
        }
        return std::make_unique<PosixInputFile>(file, fd, static_cast<std::uint64_t>(info.st_size));
    }

    void CreateFolder(const Path& path) override
    {
        if (::mkdir(path.c_str(), 0777) != 0)
            Raise(path);
    }

    std::unique_ptr<OutputFile> CreateNew(const Path& path) override
    {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0)
            Raise(path);
        return std::make_unique<PosixOutputFile>(fd);
    }

    void FlushFolder(const Path& folder) override
    {
        Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.Get() < 0)
            Raise(folder);
        // Some file systems cannot sync a folder and say so with EINVAL; there is nothing to flush.
        if (::fsync(fd.Get()) != 0 && errno != EINVAL)
            Raise(folder);
    }

    void Replace(const Path& from, const Path& to) override
    {
        if (::rename(from.c_str(), to.c_str()) != 0)
            Raise(to);
    }

    void RemoveFile(const Path& file) override
    {
        if (::unlink(file.c_str()) != 0)
            Raise(file);
    }

    bool Discard(const Path& path) noexcept override { return ::remove(path.c_str()) == 0; }

    void CheckReplaceable(const Path& file) override
    {
        // Opening for writing neither truncates nor changes the file; non-blocking, so a FIFO
        // put in its place cannot hang the check.
        Descriptor fd(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.Get() < 0 && errno != ENOENT)
            Raise(file);
    }

    std::string ReadWhole(const Path& file, std::size_t limit) override
    {
        Descriptor fd(OpenRegular(file));
        std::string bytes;
        char buffer[4096];
        for (;;) {
            ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
            if (n == 0)
                return bytes;
            if (n < 0 && errno != EINTR)
                Raise(file);
            if (n > 0)
                bytes.append(buffer, static_cast<std::size_t>(n));
            if (bytes.size() > limit)
                throw fw::EInOutError(kIoFileTooLarge);
        }
    }

    std::vector<FolderEntry> ListFolder(const Path& folder) override
    {
        DIR* dir = ::opendir(folder.c_str());
        if (!dir)
            Raise(folder);
        std::vector<FolderEntry> entries;
        while (const dirent* entry = ::readdir(dir)) {
            std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            EntryKind kind = entry->d_type == DT_REG ? EntryKind::File
                             : entry->d_type == DT_DIR ? EntryKind::Folder
                             : entry->d_type == DT_LNK ? EntryKind::Link
                                                       : EntryKind::Missing;
            struct stat info;
            // Some file systems leave the kind to be asked; an entry gone meanwhile is left out.
            if (kind == EntryKind::Missing && entry->d_type == DT_UNKNOWN) {
                if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                kind = KindOfMode(info.st_mode);
            } else if (kind == EntryKind::Missing) {
                kind = EntryKind::Other;
            }
            entries.push_back({Path(std::string(name)), kind});
        }
        ::closedir(dir);
        return entries;
    }

    std::unique_ptr<HeldLock> LockFile(const Path& file, int waitMilliseconds) override
    {
        int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0)
            Raise(file);
        auto lock = std::make_unique<PosixLock>(fd);
        struct stat info;
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            throw fw::EInOutError(fw::kIoAccessDenied);
        // Polled, with pauses growing to 20 ms: a timed wait for a lock has no call of its own.
        const long long until = MonotonicMilliseconds() + waitMilliseconds;
        for (int pause = 1; !TryLock(fd); pause = pause < 20 ? pause * 2 : 20) {
            if (MonotonicMilliseconds() >= until)
                return nullptr;
            PauseMilliseconds(pause);
        }
        return lock;
    }
};

}  // namespace

FileSystem& PlatformFiles()
{
    static PosixFiles files;
    return files;
}

Path FullPath(const Path& path)
{
    return path;
}

}  // namespace game
