// The few file operations that writing a game table needs, over the platform's own calls:
// Win32 wide APIs in the long-path form (OutputFilesWin32.cpp), POSIX elsewhere
// (OutputFilesPosix.cpp). Every failure raises fw::EInOutError with the window's numeric
// codes: the platform's error code on Windows, errno mapped to the same codes on POSIX.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/Paths.h"

namespace game::files {

// ERROR_FILE_EXISTS: what an exclusive creation raises when the name is taken.
inline constexpr int kIoFileExists = 80;

enum class EntryKind { Missing, File, Folder, Link, Other };

// What stands at the path, a symbolic link (or Windows reparse point) not followed.
EntryKind KindOf(const Path& path);

// One folder; its parent must exist.
void CreateFolder(const Path& path);

// A file created for writing only if no entry of that name exists; closed (without
// flushing to the disk) when dropped.
class OutputFile {
public:
    static OutputFile CreateNew(const Path& path);
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    ~OutputFile();

    // Returns the bytes written, which may be fewer than given.
    std::size_t Write(std::string_view data);
    // The data onto the disk: fsync / FlushFileBuffers.
    void FlushToDisk();
    void Close();
    // The platform's handle (HANDLE or file descriptor), for tests that write blocks themselves.
    std::intptr_t Native() const { return handle_; }

private:
    explicit OutputFile(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
};

// Makes the folder's entries durable (POSIX: fsync of the folder; nothing on Windows,
// where the replace itself is written through).
void FlushFolder(const Path& folder);

// Puts `from` in the place of `to` in one step, replacing a file there.
void Replace(const Path& from, const Path& to);

void RemoveFile(const Path& file);

// Removes a file or an empty folder; false when that fails. For cleaning up.
bool Discard(const Path& path) noexcept;

// Raises unless the existing file may be replaced: the user may write it and no other
// program holds it against writing (Windows: code 32). A missing file passes.
void CheckReplaceable(const Path& file);

std::string ReadWhole(const Path& file);

// The names in a folder, "." and ".." left out.
std::vector<Path> ListFolder(const Path& folder);

}  // namespace game::files
