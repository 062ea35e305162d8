// The model of a single-line edit: its text, caret, anchor and selection, horizontal
// scrolling, words, keys and mouse selection, clipboard operations and undo history.
// It draws nothing and owns no window: the control gives it a host (window, repaint,
// caret, clipboard) and a character measurer, forwards keys, mouse and focus to it,
// and paints from its state (TextArea, ScrollOffset, SelStart/SelEnd, CaretPoint).
//
// Every operation that changes something tells the control once, when it ends:
// after a text change OnCaretMove, then OnChange, then the caret update and the
// repaint request; after a caret, selection or scroll change the repaint request,
// the caret update and OnCaretMove. Nothing is raised while the host is loading.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "widgets/edit/SCEditExtents.h"
#include "widgets/edit/SCEditGeometry.h"
#include "widgets/edit/SCEditHost.h"
#include "widgets/edit/SCEditUndo.h"
#include "widgets/edit/SCEditWords.h"

// Keys the engine handles; the control maps the platform's key codes to these.
enum class TSCEditKey { Home, End, Left, Right, Backspace, Delete, Insert, C, V, X, Z };

class TSCEditEngine {
public:
    TSCEditEngine(TSCEditHost& host, TSCCharMeasurer& measurer);

    // --- Text ---
    const std::string& Text() const { return text_; }
    // Cut at the first NUL, LF or CR, then to MaxLength. The same text changes nothing;
    // another one replaces the old (one undo group: deletion, then insertion), puts
    // caret, anchor and scroll offset at 0 and notifies.
    void SetText(std::string_view value);
    int MaxLength() const { return maxLength_; }
    // 0 means no limit; the current text is kept as it is.
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
    // Only stored: refuses cut, paste, delete and typing, and makes undo and redo move
    // their records without touching the text. Text writes still work.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // --- Caret and selection (columns, clamped to 0..length) ---
    int CaretPos() const { return caret_; }
    int Anchor() const { return anchor_; }
    int SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    int SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelectedText() const;
    // Moves the caret, keeping the anchor (so it may select), and scrolls it into view.
    void SetCaret(int col);
    void SetAnchor(int col);
    void SetSelection(int anchor, int caret);
    // Caret to `col`; the anchor follows unless `extend`.
    void MoveCaret(int col, bool extend);
    void SelectAll();
    void SelectWord();
    void WordLeft(bool extend);
    void WordRight(bool extend);

    // --- Words ---
    const std::string& Delimeters() const { return delimeters_; }
    void SetDelimeters(std::string value) { delimeters_ = std::move(value); }
    // On: words are separated by blanks and `Delimeters`; off: by blanks and the built-in set.
    bool UseDelimetersProperty() const { return useDelimetersProperty_; }
    void SetUseDelimetersProperty(bool value) { useDelimetersProperty_ = value; }
    TSCEditWords Words() const;

    // --- Geometry ---
    // Insets of the text area, set by the frame layer (plus a pixel where a border is drawn).
    const TSCEditMargins& Margins() const { return margins_; }
    void SetMargins(const TSCEditMargins& margins);
    // The client rectangle less the margins.
    TSCEditRect TextArea() const;
    int ScrollOffset() const { return offset_; }
    // Where the caret for `col` stands: x = text-area left - offset + width before col.
    TSCEditPoint PointOfPosition(int col);
    TSCEditPoint CaretPoint() { return PointOfPosition(caret_); }
    int PositionOfPoint(int x, int y);
    // Per-character extents, measured on first use once the window exists.
    const TSCCharExtents& Extents();
    int LineHeight() { return Extents().LineHeight(); }
    int AverageCharWidth() { return Extents().AverageCharWidth(); }
    int TextWidth(std::string_view text) { return Extents().TextWidth(text); }
    void ScrollCaretIntoView(bool notify) { ScrollIntoView(caret_, notify); }
    void ScrollIntoView(int col, bool notify);
    // Measure again (and rescroll) after the control's font changed.
    void FontChanged();
    // Rescroll after the client size changed or the window was created.
    void SizeChanged();

    // --- Keys, mouse, focus (none of the keys while mouse selecting) ---
    // True when the key is the edit's, refused or not (the control consumes it).
    bool KeyDown(TSCEditKey key, bool shift, bool ctrl);
    // A typed character; true when it was inserted.
    bool KeyPress(char c);
    // A left press; true when it landed in the text area (selection started: the
    // control captures the mouse while MouseSelecting()). A double click selects the
    // word and ends mouse selecting at once.
    bool MouseDown(int x, int y, bool shift, bool doubleClick);
    void MouseMove(int x, int y);
    // True when it ended a mouse selection (the control releases the capture).
    bool MouseUp(int x, int y);
    // The capture was taken away: stop selecting where the caret is.
    void CancelMouseSelection() { mouseSelecting_ = false; }
    bool MouseSelecting() const { return mouseSelecting_; }
    // The I-beam shows over the text area and while selecting.
    bool WantsIBeam(int x, int y) const;
    // `byPress`: a mouse press gave the focus (it places the caret itself).
    void FocusEnter(bool byPress);
    void FocusExit();
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value) { hideSelection_ = value; }
    // Whether the painter draws the selection highlighted.
    bool SelectionShown(bool focused) const { return HasSelection() && (focused || !hideSelection_); }

    // --- Clipboard and editing (cut, paste, delete and typing refused when read-only) ---
    bool CanCopy() const { return HasSelection(); }
    bool CanCut() const { return HasSelection() && !readOnly_; }
    bool CanDelete() const { return CanCut(); }
    bool CanPaste() const { return !readOnly_ && host_.ClipboardHasText(); }
    bool CanSelectAll() const { return !text_.empty() && !(SelStart() == 0 && SelEnd() == Length()); }
    bool CanUndo() const { return undo_ != nullptr; }
    bool CanRedo() const { return redo_ != nullptr; }
    // Each returns whether it did anything.
    bool Copy();
    bool Cut();
    bool Paste();
    bool DeleteSelection();
    bool Undo();
    bool Redo();

    // --- Undo history ---
    // Changes between the outermost BeginUpdate and its EndUpdate share one undo group.
    void BeginUpdate();
    void EndUpdate();
    int UpdateDepth() const { return updateDepth_; }
    bool UseUndo() const { return useUndo_; }
    // Off destroys both stacks and records nothing.
    void SetUseUndo(bool value);
    int UndoLimit() const { return undoLimit_; }
    // Records kept in both stacks together; 0 (or below) means no limit.
    void SetUndoLimit(int value);
    // nullptr while empty.
    const TSCEditUndoStack* UndoStack() const { return undo_.get(); }
    const TSCEditUndoStack* RedoStack() const { return redo_.get(); }
    bool UndoLocked() const { return undoLock_ > 0; }

    // --- Notifications ---
    std::function<void()> OnCaretMove;
    std::function<void()> OnChange;
    // Offered the text before it goes to (or comes from) the clipboard; a handler may
    // change it or set `allow` false.
    std::function<void(std::string& text, bool& allow)> OnClipCopy;
    std::function<void(std::string& text, bool& allow)> OnClipCut;
    std::function<void(std::string& text, bool& allow)> OnClipPaste;

private:
    struct Pending {
        bool text = false;       // the text changed
        bool caretMove = false;  // OnCaretMove is due
        bool caret = false;      // the platform caret must move
        bool repaint = false;
    };

    int Length() const { return static_cast<int>(text_.size()); }
    int ClampCol(int col) const;
    // Sets caret and anchor and marks what the change needs.
    void PlaceCaret(int caret, int anchor);
    void SetOffset(int offset, bool notify);
    // Scrolls `col` into view without raising anything yet.
    void ShowColumn(int col, bool notify);
    // Replaces start..end by `insert` and records the deletion and the insertion.
    void ReplaceRange(int start, int end, std::string insert);
    // Replaces the selection (typing, paste) within MaxLength; caret after the insertion.
    // Returns how many characters went in.
    int ReplaceSelection(std::string_view insert);
    // Raises what the finished operation left pending.
    void Flush();

    // Undo records (SCEditEngineUndo.cpp).
    void RecordChange(TSCEditUndoKind kind, int start, int end, std::string_view text);
    void ApplyUndoLimit();
    // Moves one group from `from` to `to`, undoing (or redoing) each record.
    bool Replay(std::unique_ptr<TSCEditUndoStack>& from, std::unique_ptr<TSCEditUndoStack>& to, bool undo);
    // The replaying itself, under the undo lock; returns the range the last record left
    // (its text selected when it went back in, collapsed at its start otherwise).
    TSCTextRange ReplayGroup(std::unique_ptr<TSCEditUndoStack>& from, std::unique_ptr<TSCEditUndoStack>& to,
                             bool undo);

    TSCEditHost& host_;
    TSCCharMeasurer& measurer_;
    TSCCharExtents extents_;

    std::string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int offset_ = 0;
    TSCEditMargins margins_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    bool mouseSelecting_ = false;
    std::string delimeters_;
    bool useDelimetersProperty_ = true;

    int updateDepth_ = 0;
    bool groupDue_ = false;
    int undoLock_ = 0;
    bool useUndo_ = true;
    int undoLimit_ = 0;
    std::unique_ptr<TSCEditUndoStack> undo_;
    std::unique_ptr<TSCEditUndoStack> redo_;

    Pending pending_;
};
