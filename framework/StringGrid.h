// A grid of texts with fixed header row and column, vertical scrolling and an in-place
// cell editor. Every attempt to make a cell current asks OnSelectCell; every change the
// user makes in the editor reaches the cell at once and then raises OnSetEditText.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Form.h"
#include "framework/GridModel.h"
#include "framework/WinControl.h"

namespace fw {

class StringGrid;

enum ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// The cell editor: the platform's edit, without border, placed over the current cell.
// It knows nothing of grids: its owner subscribes to its events.
class InplaceEdit : public WinControl {
public:
    explicit InplaceEdit(Component* owner);
    std::string ClassName() const override { return "TInplaceEdit"; }

    std::string Text() const { return WindowText(); }
    // Puts text in without raising anything (the program's own change).
    void SetTextQuiet(const std::string& text);
    void SelectAll();
    void SetSelection(int start, int length);
    int SelStart() const;
    int SelLength() const;

    // The user changed the text; raised once the outermost message is done with it, so
    // a handler may rewrite the editor safely.
    std::function<void()> OnCommit;
    // Up, Down, Page Up or Page Down: the owner moves on (the key goes no further).
    std::function<void(WORD key, ShiftState shift)> OnNavigationKey;
    // The focus went to `newFocus` (may be nullptr).
    std::function<void(HWND newFocus)> OnFocusLost;
    // Sees pasted text (one line) and may change it; nothing is pasted when it ends empty.
    std::function<void(std::string& text)> OnPasteText;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool SelfPainted() const override { return false; }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyDown(WORD& key, ShiftState shift) override;
    void KeyPress(char& key) override;
    LRESULT DlgCode(LRESULT platformCode, const MSG* message) override;
    bool CommandNotify(WORD code, LRESULT& result) override;
    HBRUSH CtlColor(HDC dc, UINT message) override;
    void ColorChanged() override;

private:
    void Paste();

    int depth_ = 0;
    bool quiet_ = false;
    bool dirty_ = false;
    BrushHandle brush_;
};

class StringGrid : public WinControl {
public:
    explicit StringGrid(Component* owner = nullptr);
    std::string ClassName() const override { return "TStringGrid"; }

    int ColCount() const { return model_.ColCount(); }
    int RowCount() const { return model_.RowCount(); }
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedCols() const { return model_.FixedCols(); }
    int FixedRows() const { return model_.FixedRows(); }
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    int DefaultColWidth() const { return model_.DefaultColWidth(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return model_.DefaultRowHeight(); }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return model_.ColWidth(col); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return model_.RowHeight(row); }
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return model_.GridLineWidth(); }
    void SetGridLineWidth(int width);

    GridOptions Options() const { return model_.Options(); }
    // Taking goEditing away closes the editor.
    void SetOptions(GridOptions options);

    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle style);
    // bsSingle (sunken edge) or bsNone.
    FormBorderStyle BorderStyle() const { return border_; }
    void SetBorderStyle(FormBorderStyle style);
    Color FixedColor() const { return fixedColor_; }
    void SetFixedColor(Color color);

    const std::string& Cells(int col, int row) const { return model_.Cell(col, row); }
    // Redraws the cell; when it is the current cell and the editor shows, the editor
    // takes the new text, all selected.
    void SetCells(int col, int row, const std::string& text);

    int Col() const { return model_.Current().col; }
    int Row() const { return model_.Current().row; }
    // Program moves ask OnSelectCell like the user's; they return whether it was allowed.
    bool SetCol(int col) { return FocusCell(col, Row()); }
    bool SetRow(int row) { return FocusCell(Col(), row); }
    bool FocusCell(int col, int row);
    int TopRow() const { return model_.TopRow(); }
    void SetTopRow(int row);
    int VisibleRowCount() const;

    bool EditorMode() const { return editorShowing_; }
    InplaceEdit* Editor() const { return editor_; }
    // Opens the editor on the current cell (only while goEditing), scrolling the cell into
    // view first: all text selected, or the caret after the text.
    void ShowEditor(bool selectAll = true);
    void HideEditor();

    // The cell's rectangle in client coordinates (without its lines); empty when hidden.
    RECT CellRect(int col, int row) const;
    GridCoord MouseCoord(int x, int y) const;
    const GridModel& Model() const { return model_; }

    // (col, row, may it become current) - raised on every attempt.
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    // (col, row, text) - raised after the cell took the editor's text.
    std::function<void(int col, int row, const std::string& text)> OnSetEditText;
    // Sees pasted text before it reaches the editor and may change it; a text that ends
    // empty pastes nothing (the selection and the cell stay as they were).
    std::function<void(std::string& text)> OnPasteText;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, ShiftState shift) override;
    void KeyPress(char& key) override;
    LRESULT DlgCode(LRESULT platformCode, const MSG* message) override;
    void VScroll(int code, int position) override;
    void Resize() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    virtual bool SelectCell(int col, int row);

private:
    int ClientW() const;
    int ClientH() const;
    bool TrySelect(GridCoord target);
    void MoveCurrent(GridCoord target);
    bool Navigate(WORD key, ShiftState shift);
    void InvalidateCell(GridCoord cell);
    void UpdateScrollBar();
    void ScrollTo(int topRow);
    void PositionEditor();
    void CloseEditor(bool focusGrid);
    InplaceEdit& MakeEditor();
    void EditorChanged();
    void EditorLostFocus(HWND newFocus);
    void StructureChanged();

    GridModel model_;
    ScrollStyle scrollBars_ = ssBoth;
    FormBorderStyle border_ = bsSingle;
    Color fixedColor_ = clBtnFace;
    InplaceEdit* editor_ = nullptr;
    bool editorShowing_ = false;
    bool storingEditorText_ = false;
};

}  // namespace fw
