// What the engine pays from a parsed table: rows by position, the level capped at the
// first data row's cell count, a missing cell or "*" paying the default value.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/TableShape.h"
#include "game/TwoDaText.h"

namespace game {

// The label the engine's row position stands for: PICK_LOCK, DISARM_TRAP, LEARN_SPELL.
const char* ExpectedLabel(int row);
// "picking locks", "disarming traps", "learning spells from scrolls".
const char* ActivityText(int row);
// The highest level the engine consults in the row: 40, or 9 for scrolls (the spell's level).
int LevelsUsed(int row);

int LevelCap(const TwoDaText& table);
std::int32_t DefaultValue(const TwoDaText& table);
std::array<std::int32_t, kLevels> EngineLevels(const TwoDaText& table, std::size_t row);

}  // namespace game
