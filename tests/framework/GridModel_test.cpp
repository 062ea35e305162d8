#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/GridModel.h"

namespace {

using fw::GridCoord;
using fw::GridKey;
using fw::GridModel;

constexpr int kClientW = 348;  // 369 minus the sunken edge and the scroll bar
constexpr int kClientH = 168;

// The bonus table's grid: 4 columns of 35, 89, 106, 114; 41 rows of 20; 1 px lines.
GridModel BonusGrid()
{
    GridModel m(4, 41);
    m.SetDefaultRowHeight(20);
    m.SetDefaultColWidth(35);
    const int widths[] = {35, 89, 106, 114};
    for (int c = 0; c < 4; ++c)
        m.SetColWidth(c, widths[c]);
    m.SetOptions(fw::goFixedVertLine | fw::goFixedHorzLine | fw::goVertLine | fw::goHorzLine |
                 fw::goDrawFocusSelected | fw::goThumbTracking);
    return m;
}

TEST(GridModel, ViewShowsFixedRowAndSevenRowsAndScrollsToTheLastSeven)
{
    GridModel m = BonusGrid();
    EXPECT_EQ(m.FixedHeight(), 21);
    EXPECT_EQ(m.VisibleRowCount(kClientH), 7);
    EXPECT_EQ(m.MaxTopRow(kClientH), 34);
    m.SetTopRow(100, kClientH);
    EXPECT_EQ(m.TopRow(), 34);
    EXPECT_EQ(m.VisibleRowCount(kClientH), 7);
    m.SetTopRow(-5, kClientH);
    EXPECT_EQ(m.TopRow(), 1);
    // A row counts when its cell fits, even if its line does not; a cut cell does not.
    EXPECT_EQ(m.VisibleRowCount(kClientH - 1), 7);
    EXPECT_EQ(m.VisibleRowCount(kClientH - 2), 6);
}

TEST(GridModel, CellRectanglesAndHitTestingAgree)
{
    GridModel m = BonusGrid();
    struct Case {
        const char* what;
        int top;
        GridCoord cell;
        fw::GridRect rect;
    } cases[] = {
        {"fixed corner", 1, {0, 0}, {0, 0, 35, 20}},
        {"first level cell", 1, {1, 1}, {36, 21, 125, 41}},
        {"scrolls column, level 7", 1, {3, 7}, {233, 147, 347, 167}},
        {"scrolled: row 8 right under the fixed row", 8, {2, 8}, {126, 21, 232, 41}},
        {"scrolled: fixed row stays", 8, {2, 0}, {126, 0, 232, 20}},
        {"scrolled away", 8, {2, 7}, {0, 0, 0, 0}},
        {"below the view", 1, {2, 8}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m.SetTopRow(c.top, kClientH);
        const fw::GridRect r = m.CellRect(c.cell, kClientW, kClientH);
        EXPECT_TRUE(r == c.rect) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        if (!r.Empty()) {
            // Every corner of the cell, and the line after it, hits the cell.
            for (auto [x, y] : {std::pair{r.left, r.top}, std::pair{r.right - 1, r.bottom - 1},
                                std::pair{r.right, r.bottom}}) {
                const GridCoord hit = m.HitTest(x, y, kClientW, kClientH);
                EXPECT_EQ(hit.col, c.cell.col) << x << "," << y;
                EXPECT_EQ(hit.row, c.cell.row) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(m.HitTest(-1, 5, kClientW, kClientH).col, -1);
    EXPECT_EQ(m.HitTest(5, kClientH, kClientW, kClientH).row, -1);
    EXPECT_EQ(m.HitTest(kClientW - 1, 5, kClientW, kClientH).col, 3) << "the last column's line";
    EXPECT_EQ(m.HitTest(400, 5, 420, kClientH).col, -1) << "right of the last column";
}

TEST(GridModel, NavigationKeysAimWithinTheOrdinaryCells)
{
    GridModel m = BonusGrid();
    struct Case {
        const char* what;
        GridCoord from;
        GridKey key;
        GridCoord to;
    } cases[] = {
        {"Up from the first level stays", {1, 1}, GridKey::Up, {1, 1}},
        {"Down", {1, 1}, GridKey::Down, {1, 2}},
        {"Left stops at the first ordinary column", {1, 5}, GridKey::Left, {1, 5}},
        {"Right stops at the last column", {3, 5}, GridKey::Right, {3, 5}},
        {"Page Down moves a page less one row", {2, 1}, GridKey::PageDown, {2, 7}},
        {"Page Down stops at the last row", {2, 38}, GridKey::PageDown, {2, 40}},
        {"Page Up stops at the first level", {2, 3}, GridKey::PageUp, {2, 1}},
        {"Home aims at the first ordinary column", {3, 9}, GridKey::Home, {1, 9}},
        {"End aims at the last column", {1, 9}, GridKey::End, {3, 9}},
        {"Ctrl+Home", {2, 20}, GridKey::CtrlHome, {2, 1}},
        {"Ctrl+End", {2, 20}, GridKey::CtrlEnd, {2, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m.SetCurrent(c.from);
        const GridCoord t = m.KeyTarget(c.key, kClientH);
        EXPECT_EQ(t.col, c.to.col);
        EXPECT_EQ(t.row, c.to.row);
    }
}

TEST(GridModel, TopRowShowingScrollsAsLittleAsPossible)
{
    GridModel m = BonusGrid();
    struct Case {
        int top, row, expected;
    } cases[] = {{1, 7, 1}, {1, 8, 2}, {1, 40, 34}, {20, 5, 5}, {20, 26, 20}, {20, 27, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE("top " + std::to_string(c.top) + " row " + std::to_string(c.row));
        m.SetTopRow(c.top, kClientH);
        EXPECT_EQ(m.TopRowShowing(c.row, kClientH), c.expected);
    }
}

TEST(GridModel, CellsAndResizing)
{
    GridModel m = BonusGrid();
    EXPECT_TRUE(m.SetCell(1, 1, "50"));
    EXPECT_FALSE(m.SetCell(1, 1, "50")) << "an unchanged write reports no change";
    EXPECT_EQ(m.Cell(9, 9), "") << "outside reads as empty";
    EXPECT_THROW(m.SetCell(4, 0, "x"), fw::Exception);
    EXPECT_THROW(m.SetCell(0, 41, "x"), fw::Exception);
    EXPECT_THROW(m.SetCurrent({0, 1}), fw::Exception) << "a fixed cell cannot be current";

    m.SetCurrent({3, 40});
    m.SetRowCount(10);
    EXPECT_EQ(m.Cell(1, 1), "50") << "texts survive shrinking";
    EXPECT_EQ(m.Current().row, 9);
    m.SetRowCount(41);
    EXPECT_EQ(m.Cell(3, 20), "") << "rows added later start empty";
    EXPECT_EQ(m.RowHeight(30), 20);
    EXPECT_THROW(m.SetRowCount(1), fw::Exception);
    EXPECT_THROW(m.SetFixedCols(4), fw::Exception);
}

TEST(GridModel, LinesTakeNoRoomWhenNoLineOptionIsSet)
{
    GridModel m = BonusGrid();
    m.SetOptions(fw::goDrawFocusSelected);
    EXPECT_EQ(m.VertLineWidth(), 0);
    EXPECT_EQ(m.FixedHeight(), 20);
    const fw::GridRect r = m.CellRect({1, 1}, kClientW, kClientH);
    EXPECT_EQ(r.left, 35);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(m.VisibleRowCount(kClientH), 7);
}

}  // namespace
