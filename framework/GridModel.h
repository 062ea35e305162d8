// The string grid's data and arithmetic without any window: cell texts, column widths
// and row heights, the current cell, the top visible row, hit testing, cell rectangles
// and where navigation keys lead.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fw {

enum GridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using GridOptions = unsigned;

struct GridCoord {
    int col = -1;
    int row = -1;
    bool operator==(const GridCoord& o) const { return col == o.col && row == o.row; }
    bool operator!=(const GridCoord& o) const { return !(*this == o); }
};

struct GridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const GridRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

enum class GridKey { Up, Down, Left, Right, PageUp, PageDown, Home, End, CtrlHome, CtrlEnd };

class GridModel {
public:
    GridModel(int colCount = 5, int rowCount = 5);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Keeps the texts of the cells that remain; throws when a count is below the fixed ones + 1.
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    GridOptions Options() const { return options_; }
    void SetOptions(GridOptions options) { options_ = options; }
    bool Has(GridOption option) const { return (options_ & option) != 0; }

    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Resets every column's width (row's height) to the new default.
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width) { gridLineWidth_ = width < 0 ? 0 : width; }
    // The width of the lines after cells, 0 when no line option is set.
    int VertLineWidth() const;
    int HorzLineWidth() const;

    // Cell text; "" outside the grid. Writing outside the grid throws fw::Exception.
    const std::string& Cell(int col, int row) const;
    // Returns whether the text changed.
    bool SetCell(int col, int row, const std::string& text);

    GridCoord Current() const { return current_; }
    // Moves the current cell without asking anyone (range checked, clamped).
    void SetCurrent(GridCoord cell);
    bool IsValidCell(GridCoord cell) const;
    bool IsOrdinaryCell(GridCoord cell) const;

    int TopRow() const { return topRow_; }
    // Clamped to [FixedRows, MaxTopRow(clientHeight)].
    void SetTopRow(int row, int clientHeight);

    // Geometry for a client area `clientHeight` high (no horizontal scrolling).
    int FixedHeight() const;
    int VisibleRowCount(int clientHeight) const;  // fully visible ordinary rows from TopRow
    int MaxTopRow(int clientHeight) const;
    // The cell's rectangle without its lines; empty when the cell is scrolled away.
    GridRect CellRect(GridCoord cell, int clientWidth, int clientHeight) const;
    // The cell at a client point (lines count with the cell before them); {-1,-1} outside.
    GridCoord HitTest(int x, int y, int clientWidth, int clientHeight) const;
    // The top row that shows `row` with as little scrolling as possible.
    int TopRowShowing(int row, int clientHeight) const;

    // Where a navigation key leads from the current cell (may equal the current cell).
    GridCoord KeyTarget(GridKey key, int clientHeight) const;
    // Rows moved by Page Up and Page Down.
    int PageRows(int clientHeight) const;

private:
    std::size_t Index(int col, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount_) + static_cast<std::size_t>(col);
    }
    void Resize(int cols, int rows);

    int colCount_;
    int rowCount_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    GridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<std::string> cells_;
    GridCoord current_{1, 1};
    int topRow_ = 1;
};

}  // namespace fw
