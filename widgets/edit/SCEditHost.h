// What the edit engine needs of the control that shows it: the window's existence and
// client area, the loading state, repaint and caret requests, and the clipboard. The
// control implements it with the platform; tests implement it with plain fields.
#pragma once

#include <string>

#include "widgets/edit/SCEditGeometry.h"

class TSCEditHost {
public:
    virtual ~TSCEditHost() = default;

    // Extents and scrolling need the window (and its font).
    virtual bool HandleAllocated() const = 0;
    virtual TSCEditRect ClientRect() const = 0;
    // While the window description is being loaded, text writes raise nothing.
    virtual bool Loading() const = 0;

    // Repaint request: mark the control invalid, paint later.
    virtual void Invalidate() = 0;
    // Hide the platform caret, move it to the engine's CaretPoint() and show it again;
    // nothing while the control has no focus (no caret exists then).
    virtual void UpdateCaret() = 0;

    // Plain text, code page 1251 on this side.
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;
    virtual bool ClipboardHasText() = 0;
};
