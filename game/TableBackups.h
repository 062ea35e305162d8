// Back-ups of the table a write replaces: kept in <game folder>\xpbonus-backup, named
// xpbonus-NNNNNN-YYYYMMDD-HHMMSS.2da. The number only grows, whatever the clock does: the
// next back-up takes one above every number in the folder, and the newest is the highest.
// Numbers have six digits or more, of any width: they are held as decimal text.
// The local time after it is for the eye. A write that created the table where none was
// leaves an empty marker ending in .none. Back-ups named by an earlier version after the
// time alone (xpbonus-YYYYMMDD-HHMMSS-NN.2da) count as older than every numbered one.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "game/FileSystem.h"
#include "game/Paths.h"

namespace game {

inline constexpr char kBackupFolderName[] = "xpbonus-backup";

// "xpbonus-000042-20261207-150952.2da", or ".none" for a marker; `number` in decimal digits.
std::string BackupName(const std::string& number, const std::tm& time, bool marker);

// One above the highest number among the back-up names in `names`; 1 when there is none.
std::string NextBackupNumber(const std::vector<std::string>& names);
// One above `number`.
std::string BackupNumberAfter(const std::string& number);

struct Backup {
    Path path;
    bool marker = false;                 // nothing was there: going back removes the table
    EntryKind kind = EntryKind::File;    // anything but File is never read nor put back
};

// The back-ups in a game folder, newest first; none when there is no back-up folder.
std::vector<Backup> ListBackups(FileSystem& files, const Path& gameFolder);

}  // namespace game
