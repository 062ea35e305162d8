// What the edit engine needs of the control that shows it: the window's existence and
// client area, the loading state, repaint and caret requests, and the clipboard. The
// control implements it with the platform; tests implement it with plain fields. The
// names stay clear of the framework's control members, so the control may implement
// it directly.
//
// What the control does in return:
// - calls SizeChanged() once its window exists and whenever its size changes,
//   FontChanged() when its font changes or its window goes (the extents are measured
//   anew), and SetMargins() from its frame layout;
// - maps its key messages to KeyDown/KeyPress, the left mouse button to
//   MouseDown/MouseMove/MouseUp (capturing the mouse while MouseSelecting()), and
//   focus to FocusEnter/FocusExit (creating a caret 1 pixel wide and LineHeight()
//   high on entry, destroying it on exit);
// - paints the text at TextArea().Left - ScrollOffset(), TextArea().Top, clipped to
//   TextArea(), with SelStart..SelEnd highlighted when SelectionShown(focused);
// - builds its context menu from CanUndo, CanRedo, CanCut, CanCopy, CanPaste,
//   CanDelete and CanSelectAll.
#pragma once

#include <string>

#include "widgets/edit/SCEditGeometry.h"

class TSCEditHost {
public:
    virtual ~TSCEditHost() = default;

    // Extents and scrolling need the window (and its font).
    virtual bool HasWindow() const = 0;
    virtual TSCEditRect ClientArea() const = 0;
    // While the window description is being loaded, text writes raise nothing.
    virtual bool Loading() const = 0;

    // Mark the control invalid; it paints later.
    virtual void RequestRepaint() = 0;
    // Hide the platform caret, move it to the engine's CaretPoint() and show it again;
    // nothing while the control has no focus (no caret exists then).
    virtual void UpdateCaret() = 0;

    // Plain text, code page 1251 on this side.
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;
    virtual bool ClipboardHasText() = 0;
};
