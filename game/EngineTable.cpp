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

const std::string& CellTextOrDefault(const TwoDaText& table, std::size_t row, std::size_t index)
{
    if (row >= table.rows.size() || index >= table.rows[row].cells.size())
        return table.defaultText;
    const std::string& text = table.rows[row].cells[index].text;
    return text == "*" ? table.defaultText : text;
}

std::array<std::int32_t, kLevels> EngineLevels(const TwoDaText& table, std::size_t row)
{
    std::array<std::int32_t, kLevels> levels{};
    int cap = std::min(LevelCap(table), kLevels);
    // Level 0 (an empty first row) wraps around in the engine and finds no cell.
    if (cap == 0) {
        levels.fill(DefaultValue(table));
        return levels;
    }
    for (int level = 1; level <= cap; ++level)
        levels[level - 1] = ReadEngineNumber(CellTextOrDefault(table, row, std::size_t(level - 1))).value;
    // Every level above the cap reads the cap's cell.
    std::fill(levels.begin() + cap, levels.end(), levels[cap - 1]);
    return levels;
}

}  // namespace game
