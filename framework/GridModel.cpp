#include "framework/GridModel.h"

#include <algorithm>

#include "framework/Exceptions.h"

namespace fw {

namespace {
const std::string kEmpty;
}

GridModel::GridModel(int colCount, int rowCount) : colCount_(0), rowCount_(0)
{
    Resize(std::max(colCount, 2), std::max(rowCount, 2));
}

void GridModel::Resize(int cols, int rows)
{
    std::vector<std::string> cells(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    for (int r = 0; r < std::min(rows, rowCount_); ++r)
        for (int c = 0; c < std::min(cols, colCount_); ++c)
            cells[static_cast<size_t>(r) * cols + c] = std::move(cells_[Index(c, r)]);
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<size_t>(cols), defaultColWidth_);
    rowHeights_.resize(static_cast<size_t>(rows), defaultRowHeight_);
    colCount_ = cols;
    rowCount_ = rows;
    current_.col = std::clamp(current_.col, fixedCols_, colCount_ - 1);
    current_.row = std::clamp(current_.row, fixedRows_, rowCount_ - 1);
    topRow_ = std::clamp(topRow_, fixedRows_, rowCount_ - 1);
}

void GridModel::SetColCount(int count)
{
    if (count <= fixedCols_)
        throw Exception("Fixed column count must be less than column count");
    Resize(count, rowCount_);
}

void GridModel::SetRowCount(int count)
{
    if (count <= fixedRows_)
        throw Exception("Fixed row count must be less than row count");
    Resize(colCount_, count);
}

void GridModel::SetFixedCols(int count)
{
    if (count < 0 || count >= colCount_)
        throw Exception("Fixed column count must be less than column count");
    fixedCols_ = count;
    current_.col = std::max(current_.col, fixedCols_);
}

void GridModel::SetFixedRows(int count)
{
    if (count < 0 || count >= rowCount_)
        throw Exception("Fixed row count must be less than row count");
    fixedRows_ = count;
    current_.row = std::max(current_.row, fixedRows_);
    topRow_ = std::max(topRow_, fixedRows_);
}

void GridModel::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(0, width);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
}

void GridModel::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(0, height);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
}

int GridModel::ColWidth(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[static_cast<size_t>(col)] : defaultColWidth_;
}

int GridModel::RowHeight(int row) const
{
    return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<size_t>(row)] : defaultRowHeight_;
}

void GridModel::SetColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_)
        throw Exception("Grid index out of range");
    colWidths_[static_cast<size_t>(col)] = std::max(0, width);
}

void GridModel::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount_)
        throw Exception("Grid index out of range");
    rowHeights_[static_cast<size_t>(row)] = std::max(0, height);
}

int GridModel::VertLineWidth() const
{
    return (options_ & (goFixedVertLine | goVertLine)) ? gridLineWidth_ : 0;
}

int GridModel::HorzLineWidth() const
{
    return (options_ & (goFixedHorzLine | goHorzLine)) ? gridLineWidth_ : 0;
}

const std::string& GridModel::Cell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return kEmpty;
    return cells_[Index(col, row)];
}

bool GridModel::SetCell(int col, int row, const std::string& text)
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        throw Exception("Grid index out of range");
    std::string& cell = cells_[Index(col, row)];
    if (cell == text)
        return false;
    cell = text;
    return true;
}

bool GridModel::IsValidCell(GridCoord cell) const
{
    return cell.col >= 0 && cell.row >= 0 && cell.col < colCount_ && cell.row < rowCount_;
}

bool GridModel::IsOrdinaryCell(GridCoord cell) const
{
    return IsValidCell(cell) && cell.col >= fixedCols_ && cell.row >= fixedRows_;
}

void GridModel::SetCurrent(GridCoord cell)
{
    if (!IsOrdinaryCell(cell))
        throw Exception("Grid index out of range");
    current_ = cell;
}

int GridModel::FixedHeight() const
{
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r)
        h += RowHeight(r) + HorzLineWidth();
    return h;
}

int GridModel::VisibleRowCount(int clientHeight) const
{
    int y = FixedHeight(), count = 0;
    for (int r = topRow_; r < rowCount_; ++r) {
        y += RowHeight(r);
        if (y > clientHeight)
            break;
        ++count;
        y += HorzLineWidth();
    }
    return count;
}

int GridModel::MaxTopRow(int clientHeight) const
{
    const int available = clientHeight - FixedHeight();
    int used = 0, top = rowCount_;
    for (int r = rowCount_ - 1; r >= fixedRows_; --r) {
        const int h = RowHeight(r) + (used > 0 ? HorzLineWidth() : 0);
        if (used + h > available && top < rowCount_)
            break;
        used += h;
        top = r;
    }
    return std::clamp(top, fixedRows_, rowCount_ - 1);
}

void GridModel::SetTopRow(int row, int clientHeight)
{
    topRow_ = std::clamp(row, fixedRows_, MaxTopRow(clientHeight));
}

int GridModel::TopRowShowing(int row, int clientHeight) const
{
    if (row < fixedRows_)
        return topRow_;
    if (row < topRow_)
        return row;
    // Scroll down until `row` is fully visible.
    GridModel probe = *this;
    int top = topRow_;
    while (top < row) {
        probe.topRow_ = top;
        if (row < top + probe.VisibleRowCount(clientHeight))
            break;
        ++top;
    }
    return top;
}

GridRect GridModel::CellRect(GridCoord cell, int clientWidth, int clientHeight) const
{
    GridRect r;
    if (!IsValidCell(cell))
        return r;
    if (cell.row >= fixedRows_ && cell.row < topRow_)
        return r;
    int x = 0;
    for (int c = 0; c < cell.col; ++c)
        x += ColWidth(c) + VertLineWidth();
    int y = 0;
    if (cell.row < fixedRows_) {
        for (int row = 0; row < cell.row; ++row)
            y += RowHeight(row) + HorzLineWidth();
    } else {
        y = FixedHeight();
        for (int row = topRow_; row < cell.row; ++row)
            y += RowHeight(row) + HorzLineWidth();
    }
    if (x >= clientWidth || y >= clientHeight)
        return r;
    r.left = x;
    r.top = y;
    r.right = x + ColWidth(cell.col);
    r.bottom = y + RowHeight(cell.row);
    return r;
}

GridCoord GridModel::HitTest(int x, int y, int clientWidth, int clientHeight) const
{
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight)
        return {};
    GridCoord hit;
    int left = 0;
    for (int c = 0; c < colCount_; ++c) {
        const int right = left + ColWidth(c) + VertLineWidth();
        if (x < right) {
            hit.col = c;
            break;
        }
        left = right;
    }
    int top = 0;
    for (int row = 0; row < rowCount_ && hit.row < 0; ++row) {
        if (row >= fixedRows_ && row < topRow_)
            continue;
        const int bottom = top + RowHeight(row) + HorzLineWidth();
        if (y < bottom)
            hit.row = row;
        top = bottom;
    }
    if (hit.col < 0 || hit.row < 0)
        return {};
    return hit;
}

int GridModel::PageRows(int clientHeight) const { return std::max(1, VisibleRowCount(clientHeight) - 1); }

GridCoord GridModel::KeyTarget(GridKey key, int clientHeight) const
{
    GridCoord t = current_;
    switch (key) {
    case GridKey::Up: --t.row; break;
    case GridKey::Down: ++t.row; break;
    case GridKey::Left: --t.col; break;
    case GridKey::Right: ++t.col; break;
    case GridKey::PageUp: t.row -= PageRows(clientHeight); break;
    case GridKey::PageDown: t.row += PageRows(clientHeight); break;
    case GridKey::Home: t.col = fixedCols_; break;
    case GridKey::End: t.col = colCount_ - 1; break;
    case GridKey::CtrlHome: t.row = fixedRows_; break;
    case GridKey::CtrlEnd: t.row = rowCount_ - 1; break;
    }
    t.col = std::clamp(t.col, fixedCols_, colCount_ - 1);
    t.row = std::clamp(t.row, fixedRows_, rowCount_ - 1);
    return t;
}

}  // namespace fw
