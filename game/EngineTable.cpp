#include "game/EngineTable.h"

#include <algorithm>

#include "game/EngineNumber.h"

namespace game {

const char* ExpectedLabel(int row)
{
    static const char* const labels[] = {"PICK_LOCK", "DISARM_TRAP", "LEARN_SPELL"};
    return labels[row];
}

const char* ActivityText(int row)
{
    static const char* const texts[] = {"picking locks", "disarming traps", "learning spells from scrolls"};
    return texts[row];
}

int LevelsUsed(int row) { return row == 2 ? 9 : kLevels; }

int LevelCap(const TwoDaText& table)
{
    return table.rows.empty() ? 0 : static_cast<int>(table.rows.front().cells.size());
}

std::int32_t DefaultValue(const TwoDaText& table) { return ReadEngineNumber(table.defaultText).value; }

std::array<std::int32_t, kLevels> EngineLevels(const TwoDaText& table, std::size_t row)
{
    std::array<std::int32_t, kLevels> levels{};
    int cap = std::min(LevelCap(table), kLevels);
    // The default stands in for every missing cell and "*": converted once.
    const std::int32_t byDefault = DefaultValue(table);
    // Level 0 (an empty first row) wraps around in the engine and finds no cell.
    if (cap == 0) {
        levels.fill(byDefault);
        return levels;
    }
    const std::span<const TwoDaCell> cells = row < table.rows.size() ? table.rows[row].cells : std::span<const TwoDaCell>();
    // The cells present, then the default up to the cap: by iterators, not an index checked at each level.
    auto level = levels.begin();
    for (const TwoDaCell& cell : cells.first(std::min(cells.size(), std::size_t(cap))))
        *level++ = cell.text == "*" ? byDefault : ReadEngineNumber(cell.text).value;
    std::fill(level, levels.begin() + cap, byDefault);
    // Every level above the cap reads the cap's cell.
    std::fill(levels.begin() + cap, levels.end(), levels[cap - 1]);
    return levels;
}

}  // namespace game
