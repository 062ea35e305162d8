// Every file operation the window and the command make, behind one interface: the
// platform's side (Win32 wide APIs, every path in the long-path form, in
// FileSystemWin32.cpp; POSIX in FileSystemPosix.cpp), and in tests a double that records
// the calls and fails any one of them. The writer's operations raise fw::EInOutError with
// the window's numeric codes (the platform's error code on Windows, errno mapped to the
// same codes on POSIX); opening for reading raises the reader's ReadError.
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
    // The data onto the disk: fsync / FlushFileBuffers.
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
    // Makes the folder's entries durable (POSIX: fsync of the folder; nothing on Windows,
    // where creating and replacing are written through).
    virtual void FlushFolder(const Path& folder) = 0;
    // Puts `from` in the place of `to` in one step, replacing a file there.
    virtual void Replace(const Path& from, const Path& to) = 0;
    virtual void RemoveFile(const Path& file) = 0;
    // Removes a file or an empty folder; false when that fails. For cleaning up.
    virtual bool Discard(const Path& path) noexcept = 0;
    // Raises unless the existing file may be replaced: the user may write it and no other
    // program holds it against writing (Windows: code 32). A missing file passes.
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

}  // namespace game
