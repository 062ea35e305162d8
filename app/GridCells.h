// The bonus table as the cells of the main window's grid.
#pragma once

#include "table/CellAccess.h"
#include "framework/StringGrid.h"

namespace app {

class GridCells : public CellAccess {
public:
    explicit GridCells(fw::StringGrid& grid) : grid_(grid) {}
    std::string Cell(int column, int row) const override { return grid_.Cells(column, row); }
    void SetCell(int column, int row, const std::string& text) override { grid_.SetCells(column, row, text); }

private:
    fw::StringGrid& grid_;
};

}  // namespace app
