#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BoxWatcher.h"
#include "GuiTestUtil.h"
#include "framework/Cp1251.h"
#include "framework/Clipboard.h"
#include "framework/Form.h"
#include "framework/StringGrid.h"

namespace {

using fw::GridCoord;

constexpr fw::Color kPaleBlue = 16775137;  // 0xFFF7E1

// A form holding a grid laid out like the bonus table, with handlers that refuse
// rows 10 and beyond of column 3, keep digits only and cut cells to four characters.
class GridForm : public fw::Form {
public:
    GridForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(392);
        SetClientHeight(426);
        grid = new fw::StringGrid(this);
        grid->SetParent(this);
        grid->SetBounds(12, 216, 369, 172);
        grid->SetColCount(4);
        grid->SetRowCount(41);
        grid->SetDefaultRowHeight(20);
        grid->SetDefaultColWidth(35);
        const int widths[] = {35, 89, 106, 114};
        for (int c = 0; c < 4; ++c)
            grid->SetColWidths(c, widths[c]);
        grid->SetOptions(fw::goFixedVertLine | fw::goFixedHorzLine | fw::goVertLine | fw::goHorzLine |
                         fw::goDrawFocusSelected | fw::goThumbTracking);
        grid->SetScrollBars(fw::ssVertical);
        grid->SetColor(kPaleBlue);
        grid->GetFont().SetColor(fw::clGray);
        for (int r = 1; r < 41; ++r)
            for (int c = 1; c < 4; ++c)
                grid->SetCells(c, r, std::to_string(r * 10 + c));
        grid->OnSelectCell = [this](int col, int row, bool& can) {
            attempts.push_back({col, row});
            can = !(col == 3 && row >= 10);
        };
        grid->OnKeyPress = [this](char& key) {
            keys.push_back(key);
            if (key < '0' || key > '9')
                key = 0;
        };
        grid->OnSetEditText = [this](int col, int row, const std::string& text) {
            edits.push_back(text);
            cellAtEvent.push_back(grid->Cells(col, row));
            if (grid->Cells(col, row).size() > 4)
                grid->SetCells(col, row, grid->Cells(col, row).substr(0, 4));
        };
        grid->OnDblClick = [this] { ++doubleClicks; };
    }
    void Editing(bool on)
    {
        grid->SetOptions(on ? (grid->Options() | fw::goEditing) : (grid->Options() & ~fw::goEditing));
    }
    POINT CellPoint(int col, int row) const
    {
        RECT r = grid->CellRect(col, row);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickCell(int col, int row) { fwtest::ClickCell(*grid, col, row); }
    void Type(const std::string& chars) { fwtest::Type(chars); }
    void Key(WORD key) { fwtest::PressKey(key); }
    std::string EditorText() const { return grid->EditorMode() ? grid->Editor()->Text() : "<closed>"; }
    bool AllSelected() const
    {
        auto* e = grid->Editor();
        return e && e->SelStart() == 0 && e->SelLength() == static_cast<int>(e->Text().size());
    }

    fw::StringGrid* grid = nullptr;
    std::vector<GridCoord> attempts;
    std::string keys;
    std::vector<std::string> edits;
    std::vector<std::string> cellAtEvent;
    int doubleClicks = 0;
};

// A failure box from a handler fails the test at once (the runner's guard).
class StringGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<GridForm>();
        form->Show();
        fwtest::Drain();
        form->grid->SetFocus();
        fwtest::Drain();
    }
    std::unique_ptr<GridForm> form;
};

TEST_F(StringGridTest, ShowsTheFixedRowAndSevenLevelRowsBesideTheScrollBar)
{
    fw::StringGrid& g = *form->grid;
    EXPECT_EQ(g.VisibleRowCount(), 7);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Row(), 1);
    const RECT c11 = g.CellRect(1, 1);
    EXPECT_EQ(c11.left, 36);
    EXPECT_EQ(c11.top, 21);
    EXPECT_EQ(c11.right, 125);
    EXPECT_EQ(c11.bottom, 41);
    const RECT c37 = g.CellRect(3, 7);
    EXPECT_EQ(c37.bottom, 167);
    EXPECT_EQ(g.CellRect(1, 8).bottom - g.CellRect(1, 8).top, 0) << "row 8 is below the view";
    EXPECT_TRUE(GetWindowLongW(g.Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(StringGridTest, PaintsCurrentCellInHighlightAndOthersInTheirColours)
{
    fw::StringGrid& g = *form->grid;
    fwtest::Snapshot shot(g);
    struct Probe {
        const char* what;
        int x, y;
        COLORREF expected;
    } probes[] = {
        {"current cell (1,1)", g.CellRect(1, 1).right - 3, g.CellRect(1, 1).bottom - 3, GetSysColor(COLOR_HIGHLIGHT)},
        {"ordinary cell (2,1)", g.CellRect(2, 1).right - 3, g.CellRect(2, 1).bottom - 3, RGB(0xE1, 0xF7, 0xFF)},
        {"fixed row cell (1,0)", g.CellRect(1, 0).right - 4, g.CellRect(1, 0).bottom - 4, GetSysColor(COLOR_BTNFACE)},
        {"fixed column cell (0,3)", g.CellRect(0, 3).right - 4, g.CellRect(0, 3).bottom - 4,
         GetSysColor(COLOR_BTNFACE)},
        {"vertical line after (2,2)", g.CellRect(2, 2).right, g.CellRect(2, 2).top + 5, RGB(0xC0, 0xC0, 0xC0)},
        {"horizontal line under (2,2)", g.CellRect(2, 2).left + 5, g.CellRect(2, 2).bottom, RGB(0xC0, 0xC0, 0xC0)},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(shot.At(p.x, p.y), p.expected);
    }
    // The text "22" of cell (2,2) starts 2 px right and 2 px below its corner, in grey.
    const RECT c22 = g.CellRect(2, 2);
    bool greyInText = false, inkLeftOfText = false;
    for (int y = c22.top; y < c22.bottom; ++y)
        for (int x = c22.left; x < c22.left + 20; ++x) {
            const std::uint32_t px = shot.At(x, y);
            if (px == RGB(0x80, 0x80, 0x80) || (px != RGB(0xE1, 0xF7, 0xFF))) {
                greyInText = greyInText || (x >= c22.left + 2 && y >= c22.top + 2);
                inkLeftOfText = inkLeftOfText || x < c22.left + 2 || y < c22.top + 2;
            }
        }
    EXPECT_TRUE(greyInText);
    EXPECT_FALSE(inkLeftOfText);

    // Moving the current cell moves the highlight.
    form->ClickCell(2, 3);
    fwtest::Snapshot after(g);
    EXPECT_EQ(after.At(g.CellRect(2, 3).right - 3, g.CellRect(2, 3).bottom - 3), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(after.At(g.CellRect(1, 1).right - 3, g.CellRect(1, 1).bottom - 3), RGB(0xE1, 0xF7, 0xFF));
}

TEST_F(StringGridTest, EveryAttemptAsksSelectCellAndRefusalsKeepTheCurrentCell)
{
    struct Step {
        const char* what;
        std::function<void(GridForm&)> act;
        std::vector<GridCoord> attempts;
        GridCoord current;
    } steps[] = {
        {"click (2,3)", [](GridForm& f) { f.ClickCell(2, 3); }, {{2, 3}}, {2, 3}},
        {"click current cell again", [](GridForm& f) { f.ClickCell(2, 3); }, {{2, 3}}, {2, 3}},
        {"click fixed row", [](GridForm& f) { f.ClickCell(2, 0); }, {}, {2, 3}},
        {"click fixed column", [](GridForm& f) { f.ClickCell(0, 5); }, {}, {2, 3}},
        {"click refused (3,7)?", [](GridForm& f) { f.ClickCell(3, 7); }, {{3, 7}}, {3, 7}},
        {"Down to 8", [](GridForm& f) { f.Key(VK_DOWN); }, {{3, 8}}, {3, 8}},
        {"Down to 9", [](GridForm& f) { f.Key(VK_DOWN); }, {{3, 9}}, {3, 9}},
        {"Down refused at 10", [](GridForm& f) { f.Key(VK_DOWN); }, {{3, 10}}, {3, 9}},
        {"Page Down refused", [](GridForm& f) { f.Key(VK_NEXT); }, {{3, 15}}, {3, 9}},
        {"Home", [](GridForm& f) { f.Key(VK_HOME); }, {{1, 9}}, {1, 9}},
        {"End", [](GridForm& f) { f.Key(VK_END); }, {{3, 9}}, {3, 9}},
        {"Left", [](GridForm& f) { f.Key(VK_LEFT); }, {{2, 9}}, {2, 9}},
        {"Page Down", [](GridForm& f) { f.Key(VK_NEXT); }, {{2, 15}}, {2, 15}},
        {"Page Up", [](GridForm& f) { f.Key(VK_PRIOR); }, {{2, 9}}, {2, 9}},
        {"Up at row 1 goes nowhere", [](GridForm& f) { f.grid->SetRow(1); f.attempts.clear(); f.Key(VK_UP); }, {}, {2, 1}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        form->attempts.clear();
        s.act(*form);
        ASSERT_EQ(form->attempts.size(), s.attempts.size());
        for (size_t i = 0; i < s.attempts.size(); ++i) {
            EXPECT_EQ(form->attempts[i].col, s.attempts[i].col);
            EXPECT_EQ(form->attempts[i].row, s.attempts[i].row);
        }
        EXPECT_EQ(form->grid->Col(), s.current.col);
        EXPECT_EQ(form->grid->Row(), s.current.row);
    }
}

TEST_F(StringGridTest, RowsScrollIntoViewAndTheFixedRowStays)
{
    fw::StringGrid& g = *form->grid;
    form->ClickCell(1, 7);
    form->Key(VK_DOWN);
    EXPECT_EQ(g.Row(), 8);
    EXPECT_EQ(g.TopRow(), 2) << "the new current row scrolled into view";
    SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(g.TopRow(), 34);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(g.Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nPos, 33);
    EXPECT_EQ(si.nMax, 39);
    EXPECT_EQ(static_cast<int>(si.nPage), 7);
    SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
    EXPECT_EQ(g.TopRow(), 33);
    SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    EXPECT_EQ(g.TopRow(), 1);
    // Hit testing follows the scroll; the fixed row is hit at the top whatever the scroll.
    SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(g.TopRow(), 8);
    GridCoord hit = g.MouseCoord(50, 25);
    EXPECT_EQ(hit.row, 8);
    hit = g.MouseCoord(50, 5);
    EXPECT_EQ(hit.row, 0);
    fwtest::Snapshot shot(g);
    EXPECT_EQ(shot.At(g.CellRect(1, 0).right - 4, g.CellRect(1, 0).bottom - 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(g.CellRect(1, 8).top, 21);
}

TEST_F(StringGridTest, ThumbDraggingScrollsOnlyWithThumbTracking)
{
    fw::StringGrid& g = *form->grid;
    struct Case {
        const char* what;
        bool tracking;
        int code, position, top;
    } cases[] = {
        {"tracking: the view follows the thumb", true, SB_THUMBTRACK, 12, 13},
        {"tracking: past the end clamps", true, SB_THUMBTRACK, 39, 34},
        {"no tracking: dragging moves nothing", false, SB_THUMBTRACK, 20, 1},
        {"no tracking: letting go scrolls", false, SB_THUMBPOSITION, 20, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
        const fw::GridOptions base = g.Options() & ~fw::goThumbTracking;
        g.SetOptions(c.tracking ? (base | fw::goThumbTracking) : base);
        SendMessageW(g.Handle(), WM_VSCROLL, MAKEWPARAM(c.code, c.position), 0);
        EXPECT_EQ(g.TopRow(), c.top);
        EXPECT_EQ(g.Row(), 1) << "scrolling does not move the current cell";
    }
    // The view shows the scrolled rows right under the fixed row.
    g.SetCells(2, 21, "row21");
    fwtest::Snapshot shot(g);
    const RECT r = g.CellRect(2, 21);
    EXPECT_EQ(r.top, 21);
    EXPECT_EQ(shot.At(r.right - 3, r.bottom - 3), RGB(0xE1, 0xF7, 0xFF));
}

TEST_F(StringGridTest, EditorOpensOnlyWhileEditingIsOn)
{
    fw::StringGrid& g = *form->grid;
    struct Case {
        const char* what;
        bool editing;
        std::function<void(GridForm&)> act;
        bool opens;
        std::string editorText;
        bool allSelected;
    } cases[] = {
        {"click on current, editing off", false, [](GridForm& f) { f.ClickCell(1, 1); }, false, "", false},
        {"F2, editing off", false, [](GridForm& f) { f.Key(VK_F2); }, false, "", false},
        {"digit, editing off", false, [](GridForm& f) { f.Type("7"); }, false, "", false},
        {"click on current", true, [](GridForm& f) { f.ClickCell(1, 1); }, true, "11", true},
        {"F2", true, [](GridForm& f) { f.Key(VK_F2); }, true, "11", false},
        {"digit replaces", true, [](GridForm& f) { f.Type("7"); }, true, "7", false},
        {"letter opens, then is discarded", true, [](GridForm& f) { f.Type("a"); }, true, "11", true},
        {"click on another cell selects only", true, [](GridForm& f) { f.ClickCell(2, 2); }, false, "", false},
        {"double-click on another cell", true,
         [](GridForm& f) {
             POINT p = f.CellPoint(2, 2);
             fwtest::DoubleClick(f.grid->Handle(), p.x, p.y);
             fwtest::Drain();
         },
         false, "", false},
        {"Enter does nothing", true, [](GridForm& f) { f.Type("\r"); }, false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.HideEditor();
        g.SetCells(1, 1, "11");
        g.SetCells(2, 2, "22");
        g.SetRow(1);
        g.SetCol(1);
        form->Editing(c.editing);
        g.SetFocus();
        fwtest::Drain();
        c.act(*form);
        EXPECT_EQ(g.EditorMode(), c.opens);
        if (c.opens) {
            EXPECT_EQ(form->EditorText(), c.editorText);
            EXPECT_EQ(form->AllSelected(), c.allSelected);
            EXPECT_EQ(GetFocus(), g.Editor()->Handle());
        }
        EXPECT_EQ(g.Cells(1, 1), c.opens ? c.editorText : "11");
    }
    EXPECT_EQ(form->doubleClicks, 1);
}

TEST_F(StringGridTest, EveryUserChangeReachesTheCellThenTheEventAndTheCutReloadsTheEditor)
{
    fw::StringGrid& g = *form->grid;
    form->Editing(true);
    form->ClickCell(1, 1);  // current already: opens the editor, all selected
    ASSERT_TRUE(g.EditorMode());
    form->Type("1234");
    EXPECT_EQ(g.Cells(1, 1), "1234");
    std::vector<std::string> expected = {"1", "12", "123", "1234"};
    EXPECT_EQ(form->edits, expected);
    EXPECT_EQ(form->cellAtEvent, expected) << "the cell holds the text when the event runs";
    form->Type("5");
    EXPECT_EQ(g.Cells(1, 1), "1234");
    EXPECT_EQ(form->EditorText(), "1234");
    EXPECT_TRUE(form->AllSelected()) << "the cut reloads the editor with everything selected";
    form->Type("7");
    EXPECT_EQ(g.Cells(1, 1), "7");

    // A digit typed in front pushes the last one out.
    g.SetCells(1, 1, "1000");
    EXPECT_EQ(form->EditorText(), "1000") << "writing the current cell reloads the editor";
    g.Editor()->SetSelection(0, 0);
    form->edits.clear();
    form->Type("5");
    EXPECT_EQ(g.Cells(1, 1), "5100");
    // Backspace is discarded by the key filter; Delete removes.
    g.Editor()->SetSelection(4, 0);
    form->Type("\b");
    EXPECT_EQ(g.Cells(1, 1), "5100");
    g.Editor()->SetSelection(0, 0);
    form->Key(VK_DELETE);
    EXPECT_EQ(g.Cells(1, 1), "100");
    // Left/Right/Home/End stay inside the editor.
    form->Key(VK_END);
    form->Key(VK_LEFT);
    EXPECT_TRUE(g.EditorMode());
    EXPECT_EQ(g.Editor()->SelStart(), 2);
    EXPECT_EQ(g.Col(), 1);
    // Program writes raise nothing.
    const size_t before = form->edits.size();
    g.SetCells(1, 1, "42");
    g.Editor()->SetTextQuiet("43");
    EXPECT_EQ(form->edits.size(), before);
    EXPECT_EQ(g.Cells(1, 1), "42");
}

TEST_F(StringGridTest, VerticalKeysLeaveTheEditorAndClicksElsewhereCloseIt)
{
    fw::StringGrid& g = *form->grid;
    form->Editing(true);
    form->Key(VK_F2);
    ASSERT_TRUE(g.EditorMode());
    form->attempts.clear();
    form->Key(VK_DOWN);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Row(), 2);
    ASSERT_EQ(form->attempts.size(), 1u);
    EXPECT_EQ(GetFocus(), g.Handle());

    form->Key(VK_F2);
    ASSERT_TRUE(g.EditorMode());
    form->ClickCell(2, 0);  // a fixed cell: selects nothing but closes the editor
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Row(), 2);

    form->Key(VK_F2);
    ASSERT_TRUE(g.EditorMode());
    g.SetOptions(g.Options() & ~fw::goEditing);
    EXPECT_FALSE(g.EditorMode()) << "taking editing away closes the editor";
}

TEST_F(StringGridTest, PastedTextPassesTheFilterHookAndIsCut)
{
    fw::StringGrid& g = *form->grid;
    form->Editing(true);
    g.OnPasteText = [](std::string& text) {
        std::string digits;
        for (char ch : text)
            if (ch >= '0' && ch <= '9')
                digits += ch;
        text = digits;
    };
    ASSERT_TRUE(fw::Clipboard::SetText("12ab34567\r\nnext line"));
    form->ClickCell(1, 1);
    ASSERT_TRUE(g.EditorMode());
    SendMessageW(g.Editor()->Handle(), WM_PASTE, 0, 0);
    fwtest::Drain();
    EXPECT_EQ(g.Cells(1, 1), "1234");
    ASSERT_FALSE(form->edits.empty());
    EXPECT_EQ(form->edits.back(), "1234567");
}

TEST_F(StringGridTest, FocusLeavingTheGridClosesTheEditor)
{
    fw::StringGrid& g = *form->grid;
    form->Editing(true);
    form->Key(VK_F2);
    ASSERT_TRUE(g.EditorMode());
    SetFocus(form->Handle());
    fwtest::Drain();
    EXPECT_FALSE(g.EditorMode());
}

}  // namespace

namespace {

TEST(StringGridFailures, AThrowingHandlerShowsTheBoxAndTheGridGoesOn)
{
    GridForm form;
    form.Show();
    fwtest::Drain();
    int calls = 0;
    form.grid->OnSelectCell = [&calls](int, int, bool&) {
        ++calls;
        throw std::runtime_error("select failed");
    };
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        testing_support::BoxWatcher watcher;
        form.ClickCell(2, 2);
        ASSERT_TRUE(watcher.Seen().found);
        EXPECT_EQ(watcher.Seen().text, L"select failed.");
        EXPECT_EQ(form.grid->Col(), 1) << "a failed attempt moves nothing";
    }
    EXPECT_EQ(calls, 2);
    form.grid->OnSelectCell = nullptr;
    form.ClickCell(2, 2);
    EXPECT_EQ(form.grid->Col(), 2);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

}  // namespace
