#include "framework/StringGrid.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Clipboard.h"
#include "framework/ColorWin.h"
#include "framework/Cp1251.h"
#include "framework/Exceptions.h"

namespace fw {

// ---- InplaceEdit ----

InplaceEdit::InplaceEdit(Component* owner) : WinControl(owner)
{
    SetVisible(false);
    SetParentFont(false);
}

void InplaceEdit::FillCreateParams(CreateParams& params)
{
    params.baseClass = L"EDIT";
    params.style |= ES_AUTOHSCROLL;
    params.style &= ~static_cast<DWORD>(WS_TABSTOP);
}

void InplaceEdit::HandleCreated()
{
    // Text starts where the grid draws it; no inner margins.
    SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void InplaceEdit::SetTextQuiet(const std::string& text)
{
    quiet_ = true;
    SetWindowTextW(Handle(), Widen(text).c_str());
    quiet_ = false;
    dirty_ = false;
}

void InplaceEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void InplaceEdit::SetSelection(int start, int length)
{
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

int InplaceEdit::SelStart() const
{
    DWORD start = 0, end = 0;
    SendMessageW(const_cast<InplaceEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int InplaceEdit::SelLength() const
{
    DWORD start = 0, end = 0;
    SendMessageW(const_cast<InplaceEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

LRESULT InplaceEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Changes are committed once the outermost message is done with them, so the grid
    // never rewrites the edit while the edit is still inside its own handling.
    struct Depth {
        int& d;
        explicit Depth(int& d) : d(d) { ++d; }
        ~Depth() { --d; }
    };
    LRESULT result = 0;
    {
        Depth depth(depth_);
        switch (message) {
        case WM_PASTE:
            Paste();
            break;
        case WM_KILLFOCUS:
            result = WinControl::WndProc(message, wParam, lParam);
            if (OnFocusLost)
                OnFocusLost(reinterpret_cast<HWND>(wParam));
            break;
        default:
            result = WinControl::WndProc(message, wParam, lParam);
            break;
        }
    }
    if (depth_ == 0 && dirty_) {
        dirty_ = false;
        if (OnCommit)
            OnCommit();
    }
    return result;
}

void InplaceEdit::Paste()
{
    std::string text = Clipboard::GetText();
    // One line only, as the edit itself would take it.
    const size_t end = text.find_first_of("\r\n");
    if (end != std::string::npos)
        text.resize(end);
    if (OnPasteText)
        OnPasteText(text);
    if (text.empty())
        return;
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void InplaceEdit::KeyDown(WORD& key, ShiftState shift)
{
    WinControl::KeyDown(key, shift);
    // The platform's edit pastes on Shift+Insert by itself, past WM_PASTE and its filter.
    if (key == VK_INSERT && (shift & (ssShift | ssCtrl | ssAlt)) == ssShift) {
        Paste();
        key = 0;
        return;
    }
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        if (OnNavigationKey)
            OnNavigationKey(key, shift);
        key = 0;
        break;
    default:
        break;
    }
}

void InplaceEdit::KeyPress(char& key)
{
    WinControl::KeyPress(key);
    if (key == '\r' || key == 27) {
        // Enter and Escape would only beep in a one-line edit.
        if (key == '\r')
            SelectAll();
        key = 0;
    }
}

LRESULT InplaceEdit::DlgCode(LRESULT platformCode, const MSG* message)
{
    LRESULT code = (platformCode | DLGC_WANTARROWS | DLGC_WANTCHARS) & ~static_cast<LRESULT>(DLGC_HASSETSEL);
    // Enter goes to the key filter instead of the dialog manager.
    if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) && message->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
    return code;
}

bool InplaceEdit::CommandNotify(WORD code, LRESULT& result)
{
    if (code != EN_CHANGE)
        return false;
    result = 0;
    if (!quiet_) {
        if (depth_ > 0)
            dirty_ = true;
        else if (OnCommit)
            OnCommit();
    }
    return true;
}

HBRUSH InplaceEdit::CtlColor(HDC dc, UINT message)
{
    (void)message;
    if (!brush_)
        brush_.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
    ::SetTextColor(dc, ColorToRGB(GetFont().GetColor()));
    SetBkColor(dc, ColorToRGB(GetColor()));
    return brush_.Get();
}

void InplaceEdit::ColorChanged()
{
    brush_.Reset();
    Invalidate();
}

// ---- StringGrid ----

StringGrid::StringGrid(Component* owner) : WinControl(owner)
{
    SetColor(clWindow);
    SetTabStop(true);
    model_.SetDefaultColWidth(64);
    model_.SetDefaultRowHeight(24);
    SetBounds(0, 0, 320, 120);
}

void StringGrid::FillCreateParams(CreateParams& params)
{
    // The editor is a child: painting the grid must not paint over it.
    params.style |= WS_CLIPCHILDREN;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        params.style |= WS_VSCROLL;
    if (border_ == bsSingle)
        params.exStyle |= WS_EX_CLIENTEDGE;
}

void StringGrid::HandleCreated()
{
    UpdateScrollBar();
}

int StringGrid::ClientW() const
{
    RECT r = {0, 0, width_, height_};
    if (HandleAllocated())
        GetClientRect(const_cast<StringGrid*>(this)->Handle(), &r);
    return r.right;
}

int StringGrid::ClientH() const
{
    RECT r = {0, 0, width_, height_};
    if (HandleAllocated())
        GetClientRect(const_cast<StringGrid*>(this)->Handle(), &r);
    return r.bottom;
}

void StringGrid::StructureChanged()
{
    model_.SetTopRow(model_.TopRow(), ClientH());
    UpdateScrollBar();
    PositionEditor();
    Invalidate();
}

void StringGrid::SetColCount(int count)
{
    model_.SetColCount(count);
    StructureChanged();
}

void StringGrid::SetRowCount(int count)
{
    model_.SetRowCount(count);
    StructureChanged();
}

void StringGrid::SetFixedCols(int count)
{
    model_.SetFixedCols(count);
    StructureChanged();
}

void StringGrid::SetFixedRows(int count)
{
    model_.SetFixedRows(count);
    StructureChanged();
}

void StringGrid::SetDefaultColWidth(int width)
{
    model_.SetDefaultColWidth(width);
    StructureChanged();
}

void StringGrid::SetDefaultRowHeight(int height)
{
    model_.SetDefaultRowHeight(height);
    StructureChanged();
}

void StringGrid::SetColWidths(int col, int width)
{
    model_.SetColWidth(col, width);
    StructureChanged();
}

void StringGrid::SetRowHeights(int row, int height)
{
    model_.SetRowHeight(row, height);
    StructureChanged();
}

void StringGrid::SetGridLineWidth(int width)
{
    model_.SetGridLineWidth(width);
    StructureChanged();
}

void StringGrid::SetOptions(GridOptions options)
{
    const GridOptions old = model_.Options();
    if (old == options)
        return;
    model_.SetOptions(options);
    if (!(options & goEditing))
        CloseEditor(true);
    if ((old ^ options) & (goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine))
        StructureChanged();
    else
        Invalidate();
}

void StringGrid::SetScrollBars(ScrollStyle style)
{
    scrollBars_ = style;
    if (HandleAllocated()) {
        ShowScrollBar(Handle(), SB_VERT, style == ssVertical || style == ssBoth);
        StructureChanged();
    }
}

void StringGrid::SetBorderStyle(FormBorderStyle style)
{
    border_ = style == bsNone ? bsNone : bsSingle;
    if (HandleAllocated()) {
        LONG ex = GetWindowLongW(Handle(), GWL_EXSTYLE);
        ex = border_ == bsSingle ? (ex | WS_EX_CLIENTEDGE) : (ex & ~WS_EX_CLIENTEDGE);
        SetWindowLongW(Handle(), GWL_EXSTYLE, ex);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

void StringGrid::SetFixedColor(Color color)
{
    if (color != fixedColor_) {
        fixedColor_ = color;
        Invalidate();
    }
}

void StringGrid::SetCells(int col, int row, const std::string& text)
{
    if (model_.SetCell(col, row, text))
        InvalidateCell({col, row});
    const GridCoord cur = model_.Current();
    if (editorShowing_ && !storingEditorText_ && cur.col == col && cur.row == row) {
        editor_->SetTextQuiet(text);
        editor_->SelectAll();
    }
}

bool StringGrid::FocusCell(int col, int row)
{
    GridCoord target{col, row};
    if (!model_.IsOrdinaryCell(target))
        throw Exception("Grid index out of range");
    return TrySelect(target);
}

void StringGrid::SetTopRow(int row) { ScrollTo(row); }

int StringGrid::VisibleRowCount() const { return model_.VisibleRowCount(ClientH()); }

RECT StringGrid::CellRect(int col, int row) const
{
    GridRect r = model_.CellRect({col, row}, ClientW(), ClientH());
    return RECT{r.left, r.top, r.right, r.bottom};
}

GridCoord StringGrid::MouseCoord(int x, int y) const { return model_.HitTest(x, y, ClientW(), ClientH()); }

bool StringGrid::SelectCell(int col, int row)
{
    bool can = true;
    if (OnSelectCell)
        OnSelectCell(col, row, can);
    return can;
}

bool StringGrid::TrySelect(GridCoord target)
{
    if (!SelectCell(target.col, target.row))
        return false;
    MoveCurrent(target);
    return true;
}

void StringGrid::MoveCurrent(GridCoord target)
{
    CloseEditor(true);
    const GridCoord old = model_.Current();
    model_.SetCurrent(target);
    InvalidateCell(old);
    InvalidateCell(target);
    const int top = model_.TopRowShowing(target.row, ClientH());
    if (top != model_.TopRow())
        ScrollTo(top);
}

void StringGrid::InvalidateCell(GridCoord cell)
{
    // A hidden grid is painted whole when shown; asking for each cell costs a round trip.
    if (!HandleAllocated() || !IsWindowVisible(Handle()))
        return;
    GridRect r = model_.CellRect(cell, ClientW(), ClientH());
    if (r.Empty())
        return;
    // Include the lines after the cell and the focus rectangle's room.
    RECT rect = {r.left, r.top, r.right + model_.VertLineWidth(), r.bottom + model_.HorzLineWidth()};
    InvalidateRect(Handle(), &rect, FALSE);
}

void StringGrid::UpdateScrollBar()
{
    if (!HandleAllocated() || !(scrollBars_ == ssVertical || scrollBars_ == ssBoth))
        return;
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = RowCount() - FixedRows() - 1;
    si.nPage = static_cast<UINT>(std::max(1, VisibleRowCount()));
    si.nPos = TopRow() - FixedRows();
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void StringGrid::ScrollTo(int topRow)
{
    const int before = model_.TopRow();
    model_.SetTopRow(topRow, ClientH());
    if (model_.TopRow() != before) {
        Invalidate();
        PositionEditor();
    }
    UpdateScrollBar();
}

void StringGrid::VScroll(int code, int position)
{
    const int page = std::max(1, VisibleRowCount());
    int top = TopRow();
    switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = FixedRows(); break;
    case SB_BOTTOM: top = RowCount(); break;
    case SB_THUMBTRACK:
        // Without thumb tracking the view follows only when the thumb is let go.
        if (!model_.Has(goThumbTracking))
            return;
        top = FixedRows() + position;
        break;
    case SB_THUMBPOSITION: top = FixedRows() + position; break;
    default: return;
    }
    ScrollTo(top);
}

void StringGrid::Resize()
{
    if (HandleAllocated())
        StructureChanged();
}

void StringGrid::EnabledChanged()
{
    if (!Enabled())
        CloseEditor(false);
    WinControl::EnabledChanged();
}

void StringGrid::FontChanged()
{
    if (editor_)
        editor_->SetFont(GetFont());
    WinControl::FontChanged();
}

void StringGrid::ColorChanged()
{
    if (editor_)
        editor_->SetColor(GetColor());
    WinControl::ColorChanged();
}

void StringGrid::ShowEditor(bool selectAll)
{
    if (!model_.Has(goEditing) || !HandleAllocated() || !Enabled())
        return;
    InplaceEdit& editor = MakeEditor();
    // A cell scrolled away with the scroll bar comes back into view first.
    const GridCoord cur = model_.Current();
    const int top = model_.TopRowShowing(cur.row, ClientH());
    if (top != model_.TopRow())
        ScrollTo(top);
    editor.SetFont(GetFont());
    editor.SetColor(GetColor());
    editor.HandleNeeded();
    editor.SetTextQuiet(Cells(cur.col, cur.row));
    if (selectAll)
        editor.SelectAll();
    else
        editor.SetSelection(static_cast<int>(Cells(cur.col, cur.row).size()), 0);
    editorShowing_ = true;
    PositionEditor();
    editor.SetVisible(true);
    editor.SetFocus();
    InvalidateCell(cur);
}

InplaceEdit& StringGrid::MakeEditor()
{
    if (editor_)
        return *editor_;
    editor_ = new InplaceEdit(this);
    editor_->SetParent(this);
    editor_->OnCommit = [this] { EditorChanged(); };
    editor_->OnNavigationKey = [this](WORD key, ShiftState shift) { Navigate(key, shift); };
    editor_->OnFocusLost = [this](HWND newFocus) { EditorLostFocus(newFocus); };
    // The grid's key filter and paste hook see what is typed or pasted into its editor.
    editor_->OnKeyPress = [this](char& key) { WinControl::KeyPress(key); };
    editor_->OnPasteText = [this](std::string& text) {
        if (OnPasteText)
            OnPasteText(text);
    };
    return *editor_;
}

void StringGrid::HideEditor() { CloseEditor(true); }

void StringGrid::CloseEditor(bool focusGrid)
{
    if (!editorShowing_)
        return;
    editorShowing_ = false;
    const bool hadFocus = editor_->Focused();
    if (hadFocus && focusGrid)
        ::SetFocus(Handle());
    editor_->SetVisible(false);
    InvalidateCell(model_.Current());
}

void StringGrid::PositionEditor()
{
    if (!editorShowing_ || !editor_)
        return;
    GridRect r = model_.CellRect(model_.Current(), ClientW(), ClientH());
    if (r.Empty()) {
        // Scrolled away: keep it open but out of sight.
        editor_->SetBounds(-1000, -1000, 10, 10);
        return;
    }
    editor_->SetBounds(r.left + 2, r.top + 2, std::max(0, r.right - r.left - 2), std::max(0, r.bottom - r.top - 2));
}

void StringGrid::EditorChanged()
{
    if (!editorShowing_)
        return;
    const GridCoord cur = model_.Current();
    const std::string text = editor_->Text();
    if (Cells(cur.col, cur.row) != text) {
        storingEditorText_ = true;
        try {
            SetCells(cur.col, cur.row, text);
        } catch (...) {
            storingEditorText_ = false;
            throw;
        }
        storingEditorText_ = false;
    }
    if (OnSetEditText)
        OnSetEditText(cur.col, cur.row, text);
}

void StringGrid::EditorLostFocus(HWND newFocus)
{
    if (HandleAllocated() && newFocus != Handle())
        CloseEditor(false);
}

LRESULT StringGrid::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KILLFOCUS: {
        LRESULT r = WinControl::WndProc(message, wParam, lParam);
        if (!editor_ || reinterpret_cast<HWND>(wParam) != editor_->Handle())
            CloseEditor(false);
        InvalidateCell(model_.Current());
        return r;
    }
    case WM_SETFOCUS: {
        LRESULT r = WinControl::WndProc(message, wParam, lParam);
        InvalidateCell(model_.Current());
        return r;
    }
    case WM_MOUSEWHEEL: {
        const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
        GridCoord target = model_.Current();
        target.row += delta < 0 ? 1 : -1;
        if (model_.IsOrdinaryCell(target))
            TrySelect(target);
        return 0;
    }
    default:
        break;
    }
    return WinControl::WndProc(message, wParam, lParam);
}

void StringGrid::MouseDown(MouseButton button, ShiftState shift, int x, int y)
{
    if (CanFocus() && !Focused())
        SetFocus();
    WinControl::MouseDown(button, shift, x, y);
    if (button != MouseButton::Left || (shift & ssDouble))
        return;  // the second click of a double-click only raises OnDblClick
    const GridCoord hit = MouseCoord(x, y);
    if (!model_.IsOrdinaryCell(hit)) {
        CloseEditor(true);
        return;
    }
    if (model_.Has(goEditing) && hit == model_.Current()) {
        ShowEditor(true);
        return;
    }
    CloseEditor(true);
    TrySelect(hit);
}

bool StringGrid::Navigate(WORD key, ShiftState shift)
{
    GridKey k;
    switch (key) {
    case VK_UP: k = GridKey::Up; break;
    case VK_DOWN: k = GridKey::Down; break;
    case VK_LEFT: k = GridKey::Left; break;
    case VK_RIGHT: k = GridKey::Right; break;
    case VK_PRIOR: k = GridKey::PageUp; break;
    case VK_NEXT: k = GridKey::PageDown; break;
    case VK_HOME: k = (shift & ssCtrl) ? GridKey::CtrlHome : GridKey::Home; break;
    case VK_END: k = (shift & ssCtrl) ? GridKey::CtrlEnd : GridKey::End; break;
    default: return false;
    }
    const GridCoord target = model_.KeyTarget(k, ClientH());
    if (target != model_.Current())
        TrySelect(target);
    return true;
}

void StringGrid::KeyDown(WORD& key, ShiftState shift)
{
    WinControl::KeyDown(key, shift);
    if (!key)
        return;
    if (Navigate(key, shift)) {
        key = 0;
    } else if (key == VK_F2) {
        ShowEditor(false);
        key = 0;
    }
}

void StringGrid::KeyPress(char& key)
{
    const unsigned char code = static_cast<unsigned char>(key);
    if (model_.Has(goEditing) && (code == 8 || code >= 32)) {
        // The editor opens with everything selected and takes the character itself.
        ShowEditor(true);
        if (editorShowing_) {
            std::wstring wide = Widen(std::string(1, key));
            SendMessageW(editor_->Handle(), WM_CHAR, wide.empty() ? 0 : wide[0], 1);
            key = 0;
            return;
        }
    }
    WinControl::KeyPress(key);
    if (key == '\r') {
        if (editorShowing_)
            CloseEditor(true);
        else
            ShowEditor(true);
        key = 0;
    }
}

LRESULT StringGrid::DlgCode(LRESULT platformCode, const MSG* message)
{
    LRESULT code = platformCode | DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (model_.Has(goTabs))
        code |= DLGC_WANTTAB;
    if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) && message->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
    return code;
}

void StringGrid::Paint(Canvas& canvas)
{
    const int cw = ClientW(), ch = ClientH();
    canvas.FillRect(RECT{0, 0, cw, ch}, GetColor());
    const int vl = model_.VertLineWidth(), hl = model_.HorzLineWidth();
    const GridCoord cur = model_.Current();
    const bool focused = Focused();
    std::vector<int> rows;
    for (int r = 0; r < FixedRows(); ++r)
        rows.push_back(r);
    for (int r = TopRow(); r < RowCount(); ++r) {
        GridRect probe = model_.CellRect({0, r}, cw, ch);
        if (probe.Empty())
            break;
        rows.push_back(r);
    }
    canvas.SetFont(GetFont());
    for (int r : rows) {
        for (int c = 0; c < ColCount(); ++c) {
            const GridRect g = model_.CellRect({c, r}, cw, ch);
            if (g.Empty())
                continue;
            const RECT cell = {g.left, g.top, g.right, g.bottom};
            const bool fixed = c < FixedCols() || r < FixedRows();
            const bool isCurrent = !fixed && c == cur.col && r == cur.row;
            const bool highlight =
                isCurrent && !editorShowing_ && (model_.Has(goDrawFocusSelected) || !focused);
            canvas.SetBrushColor(fixed ? fixedColor_ : (highlight ? clHighlight : GetColor()));
            canvas.SetTextColor(highlight ? clHighlightText : GetFont().GetColor());
            canvas.TextRect(cell, cell.left + 2, cell.top + 2, Cells(c, r));
            const bool vertLine = fixed ? model_.Has(goFixedVertLine) : model_.Has(goVertLine);
            const bool horzLine = fixed ? model_.Has(goFixedHorzLine) : model_.Has(goHorzLine);
            const Color lineColor = fixed ? clBlack : clSilver;
            if (vl > 0)
                canvas.FillRect(RECT{cell.right, cell.top, cell.right + vl, cell.bottom + hl},
                                vertLine ? lineColor : (fixed ? fixedColor_ : GetColor()));
            if (hl > 0)
                canvas.FillRect(RECT{cell.left, cell.bottom, cell.right + vl, cell.bottom + hl},
                                horzLine ? lineColor : (fixed ? fixedColor_ : GetColor()));
            if (fixed && model_.Has(goFixedVertLine) && model_.Has(goFixedHorzLine)) {
                RECT edge = cell;
                DrawEdge(canvas.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
            }
            if (isCurrent && focused && !editorShowing_)
                canvas.DrawFocusRect(cell);
        }
    }
}

}  // namespace fw
