// The one way the game's table override\xpbonus.2da is replaced or removed, for the window
// and the command alike: the table written to a temporary file beside it and flushed to the
// disk, the table it replaces kept in the back-up folder (flushed too), then one atomic
// replace. On any failure nothing is replaced and nothing is left behind.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Exceptions.h"
#include "game/OutputFiles.h"
#include "game/Paths.h"
#include "game/TableBackups.h"

namespace game {

inline constexpr std::size_t kTableBlockSize = 128;

// Points of the routine where a test can make the platform fail.
enum class WriteStep { BackupWrite, BackupFlush, TemporaryFlush, Replace };

struct WriteOptions {
    // The local time that names a back-up; the clock when empty.
    std::function<std::tm()> localTime;
    // Writes one block of the temporary file and returns the bytes written, raising
    // EInOutError on failure; fewer bytes than given mean a full disk. The platform's
    // write when empty.
    std::function<std::size_t(files::OutputFile& file, std::string_view block)> blockWriter;
    // Called before each step; a test raises EInOutError from it to make that step fail.
    std::function<void(WriteStep)> beforeStep;
};

struct WriteResult {
    Path target;                 // the table, under the spelling found on the disk
    std::optional<Path> backup;  // the back-up or marker made, if any
    bool changed = false;        // false: the table already held these bytes, or was already absent
};

// The next piece of the new table, or nothing at the end. Pieces are asked for one by one
// while the temporary file is written.
using TablePieces = std::function<std::optional<std::string>()>;

WriteResult WriteTable(const Path& gameFolder, const TablePieces& source, const WriteOptions& options = {});
WriteResult WriteTable(const Path& gameFolder, std::string_view bytes, const WriteOptions& options = {});
// Removes the table (going back to a game without one), keeping a back-up of it.
WriteResult RemoveTable(const Path& gameFolder, const WriteOptions& options = {});

// More than one letter-case spelling of a name in a folder (case-sensitive file systems):
// which one the game reads cannot be told, so none is written. The window shows
// "Invalid filename"; what() names them.
class SpellingConflict : public fw::EInOutError {
public:
    explicit SpellingConflict(std::vector<Path> spellings);
    const std::vector<Path>& Spellings() const { return spellings_; }
    const char* what() const noexcept override { return detail_.c_str(); }

private:
    std::vector<Path> spellings_;
    std::string detail_;
};

// The entry of that name in the folder under the spelling it has on the disk, or the name
// as given when there is none. Raises SpellingConflict when there are several.
Path ResolveSpelling(const Path& folder, std::string_view name);

}  // namespace game
