// A custom-painted single-line edit: the edit engine's text, caret, selection, scrolling,
// clipboard and undo, shown and driven in the control's own window. Adds the platform
// caret while focused, the clipboard as Unicode text, keys and mouse with the read-only
// rule, AutoSelect and HideSelection, the colour set and the default context menu.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Gdi.h"
#include "widgets/edit/SCControl.h"
#include "widgets/edit/SCEditEngine.h"

class TSCCustomEdit : public TSCCustomControl, private TSCEditHost, private TSCCharMeasurer {
public:
    explicit TSCCustomEdit(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TSCCustomEdit"; }

    // --- Text ---
    const std::string& Text() const { return engine_.Text(); }
    // Keeps the part before the first NUL, LF or CR, within MaxLength. The same text
    // changes nothing; another puts caret, selection and view at the start and raises
    // OnCaretMove, then OnChange (nothing while loading).
    void SetText(std::string_view value) { engine_.SetText(value); }
    bool ReadOnly() const { return engine_.ReadOnly(); }
    // Only stored: the text stays, nothing repaints.
    void SetReadOnly(bool value) { engine_.SetReadOnly(value); }
    int MaxLength() const { return engine_.MaxLength(); }
    void SetMaxLength(int value) { engine_.SetMaxLength(value); }
    bool Modified() const { return engine_.Modified(); }
    // Kept for the family's other uses; this edit does not convert.
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value) { oemConvert_ = value; }

    // --- Behaviour ---
    bool AutoSelect() const { return engine_.AutoSelect(); }
    void SetAutoSelect(bool value) { engine_.SetAutoSelect(value); }
    bool HideSelection() const { return engine_.HideSelection(); }
    void SetHideSelection(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool UseUndo() const { return engine_.UseUndo(); }
    void SetUseUndo(bool value) { engine_.SetUseUndo(value); }
    int UndoLimit() const { return engine_.UndoLimit(); }
    void SetUndoLimit(int value) { engine_.SetUndoLimit(value); }
    // Kept for the family's other uses: insert mode only, text always from the left.
    bool InsertChangesEditMode() const { return insertChangesEditMode_; }
    void SetInsertChangesEditMode(bool value) { insertChangesEditMode_ = value; }
    TSCAlignment Alignment() const { return alignment_; }
    void SetAlignment(TSCAlignment value) { alignment_ = value; }
    const std::string& Delimeters() const { return engine_.Delimeters(); }
    void SetDelimeters(std::string value) { engine_.SetDelimeters(std::move(value)); }
    TSCEditColors& Colors() { return *colors_; }
    const TSCEditColors& Colors() const { return *colors_; }

    // --- Caret, selection and view ---
    int CaretPos() const { return engine_.CaretPos(); }
    int SelStart() const { return engine_.SelStart(); }
    int SelLength() const { return engine_.SelEnd() - engine_.SelStart(); }
    std::string SelText() const { return engine_.SelectedText(); }
    void SetSelection(int anchor, int caret) { engine_.SetSelection(anchor, caret); }
    void SelectAll() { engine_.SelectAll(); }
    TSCEditRect TextArea() const { return engine_.TextArea(); }
    int ScrollOffset() const { return engine_.ScrollOffset(); }
    int LineHeight() { return engine_.LineHeight(); }
    // Client coordinates of the caret's top.
    TSCEditPoint CaretPoint() { return engine_.CaretPoint(); }

    // --- Clipboard and undo (cut, paste and delete refused when read-only) ---
    bool CanUndo() const { return engine_.CanUndo(); }
    bool CanRedo() const { return engine_.CanRedo(); }
    void Undo() { engine_.Undo(); }
    void Redo() { engine_.Redo(); }
    void CopyToClipboard() { engine_.Copy(); }
    void CutToClipboard() { engine_.Cut(); }
    void PasteFromClipboard() { engine_.Paste(); }
    void ClearSelection() { engine_.DeleteSelection(); }
    const TSCEditUndoStack* UndoStack() const { return engine_.UndoStack(); }
    const TSCEditUndoStack* RedoStack() const { return engine_.RedoStack(); }

    // After the caret or the selection moved.
    std::function<void()> OnCaretMove;
    // Offered the text before it goes to (or comes from) the clipboard; a handler may
    // change it or set `allow` false.
    std::function<void(std::string& text, bool& allow)> OnClipCopy;
    std::function<void(std::string& text, bool& allow)> OnClipCut;
    std::function<void(std::string& text, bool& allow)> OnClipPaste;

protected:
    // For descendants with a larger colour set.
    TSCCustomEdit(fw::Component* owner, std::unique_ptr<TSCEditColors> colors);

    // Insets of the text area from the client edges; the frame layer adds its frame and
    // buttons. A border adds a pixel on the left and at the top.
    virtual TSCEditMargins InnerMargins() const { return {}; }
    // Takes new margins, sizes the height to them and repaints.
    void UpdateLayout();
    // With AutoSize and a window: the line, the margins and the borders decide the height.
    void AdjustHeight();
    bool MouseSelecting() const { return engine_.MouseSelecting(); }
    // Whether a press that gives the focus leaves AutoSelect its say (a press that
    // places the caret does not).
    virtual bool AutoSelectsOnPress(fw::MouseButton button, int x, int y) const;
    // The mouse capture went elsewhere: a drag ends where it stands.
    virtual void CaptureLost();

    fw::Color BackgroundColor() const override;
    virtual fw::Color TextColor() const;
    // One line at the top of the text area, scrolled and clipped to it, the selection
    // highlighted while it shows.
    virtual void PaintText(fw::Canvas& canvas);
    void Paint(fw::Canvas& canvas) override;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DlgCode(LRESULT platformCode, const MSG* message) override;
    void KeyDown(WORD& key, fw::ShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    // With no popup menu and no handler taking the request: the default menu.
    void ContextPopup(POINT where, bool& handled) override;

    void HandleCreated() override;
    void Resize() override;
    void FontChanged() override;
    void Loaded() override;
    void BorderChanged() override { UpdateLayout(); }

private:
    // TSCEditHost
    bool HasWindow() const override { return HandleAllocated(); }
    TSCEditRect ClientArea() const override;
    bool Loading() const override { return IsLoading(); }
    void RequestRepaint() override { Invalidate(); }
    void UpdateCaret() override;
    void SetClipboardText(const std::string& text) override;
    std::string ClipboardText() override;
    bool ClipboardHasText() override;
    // TSCCharMeasurer: each character through code page 1251, in the control's font.
    void MeasureChars(TSCCharExtentTable& extents) override;

    // Messages (SCEditsInput.cpp).
    LRESULT CursorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CaptureChangedMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The default menu (SCEditsMenu.cpp), at `where` or, from the keyboard, by the caret.
    void ShowDefaultMenu(POINT where);

    std::unique_ptr<TSCEditColors> colors_;
    TSCEditEngine engine_;
    fw::MemoryDC measureDC_;
    bool autoSize_ = true;
    bool oemConvert_ = false;
    bool insertChangesEditMode_ = false;
    TSCAlignment alignment_ = taLeftJustify;
    // Set while a press gives the focus: AutoSelect is skipped.
    bool focusPlacesCaret_ = false;
};
