// What the game pays now: the XP table found in a game folder (or a single .2da file),
// read the way the engine reads it, with findings that explain what the engine makes of it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/FileSystem.h"
#include "game/Paths.h"
#include "game/ReadError.h"
#include "game/TableShape.h"

namespace game {

enum class SourceKind { Override, Archive, File, None };
enum class Compression { None, Bifc, Bif };

struct TableSource {
    SourceKind kind = SourceKind::None;
    Path path;                                   // the file opened: override file, .2da file, or chitin.key
    Path archive;                                // for Archive: the archive opened
    Compression compression = Compression::None; // for Archive
};

struct ActivityReading {
    Activity activity = Activity::Locks;
    int row = 0;                             // the engine's row position 0-2
    std::optional<std::string> label;        // the row's label; none for a missing row
    std::array<std::int32_t, kLevels> levels{};  // XP the engine pays for levels 1..40
    std::optional<int> templateChoice;       // list index 0-5 of the matching template
};

struct TableReading {
    TableSource source;
    int cap = 0;                     // the level cap: the first data row's cell count
    std::string defaultText;         // the default value as written
    std::int32_t defaultValue = 0;   // as the engine converts it
    std::array<ActivityReading, kTableRows> activities;  // in the engine's row order
    std::vector<std::string> laterRows;  // the labels of the rows past the third, which this tool does not write
    std::vector<Finding> findings;
};

// The table the engine uses in a game folder: override first, then chitin.key and its
// archive. Throws ReadError (also for "not a game folder").
TableReading ReadGameTable(const Path& gameFolder, FileSystem& files = PlatformFiles());
// A single .2da file, read as the engine would read it from the override folder.
TableReading ReadTableFile(const Path& file, FileSystem& files = PlatformFiles());
// A table's bytes (plain or encrypted), read as the engine reads them.
TableReading ReadTableBytes(std::string_view bytes, TableSource source);

}  // namespace game
