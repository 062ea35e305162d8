// Writes xpbonus.2da into the game folder's override folder, and the write button's
// whole procedure with its success message.
#pragma once

#include <string>

#include "table/CellAccess.h"
#include "framework/Exceptions.h"
#include "game/FileSystem.h"
#include "game/TableWriter.h"

namespace app {

// The override folder of a game folder, made full before the name is joined ("D:/Games/BG2 "
// -> "D:\Games\BG2\override"); the file layer reaches it in the long-path form. A text
// that is not an absolute Windows path raises EInOutError 3 ("Invalid filename").
std::wstring OverrideFolderFor(const std::string& gameFolder);

// Creates the override folder if needed and replaces xpbonus.2da with the table built
// from the cells, keeping the table it replaces in the game folder's xpbonus-backup
// folder. On failure raises EInOutError and leaves the old file as it was and no
// temporary file or back-up behind (see game/TableWriter.h for a replace that raised).
game::WriteResult WriteXpBonusFile(const std::string& gameFolder, CellAccess& cells,
                                   game::FileSystem& files = game::PlatformFiles());

// The failure as the failure box words it: the writer's own failures (another writer at
// work, a replace that may not have happened) in Russian, the others as they are.
fw::EInOutError WindowFailure(const fw::EInOutError& failure);

// The write button: writes the file, then shows the success message.
void WriteXpBonus(const std::string& gameFolder, CellAccess& cells, game::FileSystem& files = game::PlatformFiles());

// "Файл таблицы опыта успешно создан!" with an empty caption, owned by the application's
// window; with a warning and its icon when the replace raised yet happened.
void ShowWriteSuccess(bool replaceWarning = false);

}  // namespace app
