// Access to the bonus table's cells wherever they live (the grid, or a plain table).
#pragma once

#include <array>
#include <string>

namespace app {

// Columns and rows of the bonus table.
inline constexpr int kTrapsColumn = 1;
inline constexpr int kLocksColumn = 2;
inline constexpr int kScrollsColumn = 3;
inline constexpr int kColumnCount = 4;
inline constexpr int kRowCount = 41;  // the title row and levels 1 to 40
inline constexpr int kLevelCount = 40;
inline constexpr int kScrollLevelCount = 9;

class CellAccess {
public:
    virtual ~CellAccess() = default;
    virtual std::string Cell(int column, int row) const = 0;
    virtual void SetCell(int column, int row, const std::string& text) = 0;
};

// The table held in memory, 4 columns by 41 rows of empty cells to begin with.
class CellTable : public CellAccess {
public:
    std::string Cell(int column, int row) const override { return cells_.at(column).at(row); }
    void SetCell(int column, int row, const std::string& text) override { cells_.at(column).at(row) = text; }

private:
    std::array<std::array<std::string, kRowCount>, kColumnCount> cells_;
};

}  // namespace app
