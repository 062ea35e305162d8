// Back-ups of the table a write replaces: kept in <game folder>\xpbonus-backup, named
// xpbonus-YYYYMMDD-HHMMSS-NN.2da after the local time they were made, NN counting from 01
// within that second, so that names sort in the order they were made and none is reused.
// A write that created the table where none was leaves an empty marker ending in .none.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "game/Paths.h"

namespace game {

inline constexpr char kBackupFolderName[] = "xpbonus-backup";

// "xpbonus-20261207-150952-01.2da", or ".none" for a marker.
std::string BackupName(const std::tm& time, int number, bool marker);

// The first number after every back-up or marker of that second among `names`.
int NextBackupNumber(const std::vector<std::string>& names, const std::tm& time);

struct Backup {
    Path path;
    bool marker = false;  // nothing was there: going back removes the table
};

// The back-ups in a game folder, newest first; none when there is no back-up folder.
std::vector<Backup> ListBackups(const Path& gameFolder);

}  // namespace game
