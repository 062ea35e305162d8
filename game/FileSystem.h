// Every file operation the window and the command make, behind one interface: the
// platform's side (Win32 wide APIs, every path in the long-path form, in
// FileSystemWin32.cpp; POSIX in FileSystemPosix.cpp), and in tests a double that records
// the calls and fails any one of them. The writer's operations raise fw::EInOutError with
// the window's numeric codes (the platform's error code on Windows, errno mapped to the
// same codes on POSIX); opening for reading raises the reader's ReadError.
//
// What reaches the disk, and when:
// - POSIX: FlushToDisk is fsync of the file, FlushFolder fsync of the folder; creating,
//   replacing and removing are durable only once their folder is flushed.
// - Windows: CreateNew opens the file written through (each write is on the disk when it
//   returns), FlushToDisk is FlushFileBuffers, Replace is written through
//   (MOVEFILE_WRITE_THROUGH); removing is durable once the folder is flushed. FlushFolder
//   is FlushFileBuffers on the folder, where the file system lets a folder be opened for
//   writing (NTFS, ReFS); a refusal (FAT and exFAT, network shares) is ignored, as SQLite
//   ignores it, so it never raises, and the folder's entries then reach the disk when the
//   system writes them.
// - Windows: a create, open, replace or remove refused with 5, 32 or 33, as a virus scanner
//   or the indexer holding the file a moment makes it, is tried again 8 times in about a
//   second (TransientRetry.h); a file another program still holds then fails with 32.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/ByteSource.h"
#include "game/Paths.h"

namespace game {

// ERROR_FILE_EXISTS: what an exclusive creation raises when the name is taken.
inline constexpr int kIoFileExists = 80;
// ERROR_FILE_TOO_LARGE: a file read whole that is over the limit given.
inline constexpr int kIoFileTooLarge = 223;

enum class EntryKind { Missing, File, Folder, Link, Other };

// Whether a symbolic link (or Windows reparse point) is followed to what it points at: a
// path the user names is; inside the game folder the writer follows none.
enum class Links { Kept, Followed };

struct FolderEntry {
    Path name;
    EntryKind kind = EntryKind::Missing;  // links kept
};

// A file being written; closed (without flushing to the disk) when dropped.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    // Returns the bytes written, which may be fewer than given.
    virtual std::size_t Write(std::string_view data) = 0;
    // The data onto the disk: fsync / FlushFileBuffers; raises when that fails.
    virtual void FlushToDisk() = 0;
    virtual void Close() = 0;
    // POSIX: the permission bits of `file` onto this one, so a table replaced keeps who may
    // read it. Nothing on Windows, where the folder's rights are inherited.
    virtual void TakeModeOf(const Path& file) = 0;
};

// A lock taken by FileSystem::LockFile, held until dropped.
class HeldLock {
public:
    virtual ~HeldLock() = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // What stands at the path: Missing for nothing (and for a link to nothing, followed).
    virtual EntryKind KindOf(const Path& path, Links links) = 0;
    // A regular file for reading at any offset, links followed, opened without blocking (a
    // FIFO or a device cannot hang the reader). ReadError when it cannot be opened or is
    // not a regular file.
    virtual std::unique_ptr<ByteSource> OpenForReading(const Path& file) = 0;
    // One folder; its parent must exist.
    virtual void CreateFolder(const Path& path) = 0;
    // A file created for writing only if no entry of that name exists (kIoFileExists
    // otherwise, the entry left as it is).
    virtual std::unique_ptr<OutputFile> CreateNew(const Path& path) = 0;
    // Makes the folder's entries durable (see the top of this file for each platform).
    virtual void FlushFolder(const Path& folder) = 0;
    // Puts `from` in the place of `to` in one step, replacing a file there.
    virtual void Replace(const Path& from, const Path& to) = 0;
    virtual void RemoveFile(const Path& file) = 0;
    // Removes a file or an empty folder; false when that fails. For cleaning up.
    virtual bool Discard(const Path& path) noexcept = 0;
    // Raises unless the existing file may be replaced: the user may write it and no other
    // program holds it (Windows: code 32 whatever sharing that program allowed, since a
    // replace over an open file fails). A missing file passes.
    virtual void CheckReplaceable(const Path& file) = 0;
    // A regular file's bytes, opened without blocking and without following a link;
    // kIoFileTooLarge when it holds more than `limit` bytes.
    virtual std::string ReadWhole(const Path& file, std::size_t limit) = 0;
    // The entries of a folder, "." and ".." left out.
    virtual std::vector<FolderEntry> ListFolder(const Path& folder) = 0;
    // An exclusive lock on the whole of `file`, created empty when missing and kept: every
    // process locking it locks the same file. Another holder is waited for up to
    // `waitMilliseconds`; null when it still holds the lock then. The system lets go when
    // the holding process ends. POSIX: an open-file-description lock (fcntl); Windows: a
    // byte-range lock (LockFileEx), which Wine mirrors as a POSIX lock, so the two exclude
    // each other on one disk.
    virtual std::unique_ptr<HeldLock> LockFile(const Path& file, int waitMilliseconds) = 0;
};

// The platform's own file system.
FileSystem& PlatformFiles();

// A path the user gives, as the system means it; the game folder is made full once where it
// comes in and names are joined to that. Windows: GetFullPathNameW (the current folder put
// in front, "." and ".." resolved, slashes turned, trailing spaces and dots dropped), a
// "\\?\" path kept as it is; EInOutError 3 when it cannot be made full. POSIX: the path as
// it is.
Path FullPath(const Path& path);

#ifdef _WIN32
// The Windows layer with `pause(ms, context)` in place of Sleep between retries: tests
// count the retries, or let a holder go during one.
std::unique_ptr<FileSystem> Win32FilesPausing(void (*pause)(unsigned ms, void* context), void* context);
#endif

}  // namespace game
