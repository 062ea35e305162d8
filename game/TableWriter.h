// The one way the game's table override\xpbonus.2da is replaced or removed, for the window
// and the command alike: the table written to a temporary file beside it and flushed to the
// disk, the table it replaces kept in the back-up folder (flushed with its folder), then one
// atomic replace, and the folder flushed after it.
//
// One writer at a time: each holds the game folder's lock (LockWriters) from before it reads the
// table to the flush after the replace.
//
// A failure before the replace raises fw::EInOutError; then nothing is replaced, and what
// the write made (temporary file, back-up, and folders it created while they are empty) is
// removed again; only the lock's file stays. Once the replace has been tried the back-up it
// made stays whatever the replace answers: a replace that raised but happened all the same
// is reported in WriteResult::replaceWarning, one that may not have happened raises
// ReplaceUnsure, which names the back-up. Once the replace has happened the write has
// succeeded: a failure to flush the folder after it does not raise, it is reported in
// WriteResult::flushFailure.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Exceptions.h"
#include "game/FileSystem.h"
#include "game/Paths.h"
#include "game/Spellings.h"
#include "game/TableBackups.h"
#include "game/WriterLock.h"

namespace game {

inline constexpr std::size_t kTableBlockSize = 128;

struct WriteOptions {
    // The local time that names a back-up; the clock when empty.
    std::function<std::tm()> localTime;
    // The platform's files when null.
    FileSystem* files = nullptr;
    // How long another writer of the same game is waited for.
    int lockWait = kWriterWaitMilliseconds;
    // The caller holds the game folder's lock already (a restore choosing its back-up).
    bool lockHeld = false;
};

struct WriteResult {
    Path target;                 // the table, under the spelling found on the disk
    std::optional<Path> backup;  // the back-up or marker made, if any
    bool changed = false;        // false: the table already held these bytes, or was already absent
    // The replace happened, but flushing its folder afterwards failed so: the change may not
    // yet be on the disk.
    std::optional<fw::EInOutError> flushFailure;
    // The replace (or removal) raised this failure, yet it happened: what it replaced is gone
    // (a network folder may answer so to a resent request that had succeeded).
    std::optional<fw::EInOutError> replaceWarning;
};

// The replace (or removal) raised and whether it happened cannot be told: the table is the
// old one or the new one. The back-up made before it is kept and named here.
class ReplaceUnsure : public fw::EInOutError {
public:
    ReplaceUnsure(const fw::EInOutError& failure, Path backup)
        : EInOutError(failure.ErrorCode(), failure.SystemError()), backup_(std::move(backup))
    {
    }
    const Path& Backup() const { return backup_; }

private:
    Path backup_;
};

// The next piece of the new table, or nothing at the end. Pieces are asked for one by one
// while the temporary file is written.
using TablePieces = std::function<std::optional<std::string>()>;

WriteResult WriteTable(const Path& gameFolder, const TablePieces& source, const WriteOptions& options = {});
WriteResult WriteTable(const Path& gameFolder, std::string_view bytes, const WriteOptions& options = {});
// Removes the table (going back to a game without one), keeping a back-up of it.
WriteResult RemoveTable(const Path& gameFolder, const WriteOptions& options = {});

}  // namespace game
