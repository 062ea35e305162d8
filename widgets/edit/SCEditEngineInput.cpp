// Keys, typing, mouse selection and focus.
#include "widgets/edit/SCEditEngine.h"

bool TSCEditEngine::KeyDown(TSCEditKey key, bool shift, bool ctrl)
{
    if (mouseSelecting_)
        return false;
    switch (key) {
    case TSCEditKey::Home:
        MoveCaret(0, shift);
        return true;
    case TSCEditKey::End:
        MoveCaret(Length(), shift);
        return true;
    case TSCEditKey::Left:
        if (ctrl)
            WordLeft(shift);
        else
            MoveCaret(caret_ - 1, shift);
        return true;
    case TSCEditKey::Right:
        if (ctrl)
            WordRight(shift);
        else
            MoveCaret(caret_ + 1, shift);
        return true;
    case TSCEditKey::Backspace:
    case TSCEditKey::Delete:
        if (readOnly_)
            return true;
        if (!HasSelection()) {
            // Nothing selected: the character before (Backspace) or after the caret.
            const int other = key == TSCEditKey::Backspace ? caret_ - 1 : caret_ + 1;
            PlaceCaret(caret_, other);
        }
        ReplaceSelection({});
        return true;
    case TSCEditKey::Insert:
        if (ctrl)
            Copy();
        else if (shift)
            Paste();
        return ctrl || shift;
    case TSCEditKey::C:
        if (ctrl)
            Copy();
        return ctrl;
    case TSCEditKey::X:
        if (ctrl)
            Cut();
        return ctrl;
    case TSCEditKey::V:
        if (ctrl)
            Paste();
        return ctrl;
    case TSCEditKey::Z:
        if (ctrl && shift)
            Redo();
        else if (ctrl)
            Undo();
        return ctrl;
    }
    return false;
}

bool TSCEditEngine::KeyPress(char c)
{
    // Control characters (Backspace, Ctrl+letters, Ctrl+Backspace's DEL) are keys, not text.
    const unsigned char code = static_cast<unsigned char>(c);
    if (mouseSelecting_ || readOnly_ || code < 32 || code == 127)
        return false;
    return ReplaceSelection(std::string_view(&c, 1)) > 0;
}

bool TSCEditEngine::MouseDown(int x, int y, bool shift, bool doubleClick)
{
    if (!TextArea().Contains(x, y) || !host_.ClientArea().Contains(x, y))
        return false;
    mouseSelecting_ = true;
    const int col = PositionOfPoint(x, y);
    PlaceCaret(col, shift ? anchor_ : col);
    if (doubleClick) {
        const TSCTextRange word = Words().WordAt(text_, caret_);
        PlaceCaret(word.End, word.Start);
        mouseSelecting_ = false;
    }
    ScrollIntoView(caret_, true);
    return true;
}

void TSCEditEngine::MouseMove(int x, int y)
{
    if (mouseSelecting_)
        SetCaret(PositionOfPoint(x, y));
}

bool TSCEditEngine::MouseUp(int x, int y)
{
    if (!mouseSelecting_)
        return false;
    mouseSelecting_ = false;
    SetCaret(PositionOfPoint(x, y));
    return true;
}

bool TSCEditEngine::WantsIBeam(int x, int y) const
{
    return mouseSelecting_ || TextArea().Contains(x, y);
}

void TSCEditEngine::FocusEnter(bool byPress)
{
    if (autoSelect_ && !byPress)
        PlaceCaret(Length(), 0);
    if (HasSelection())
        pending_.repaint = true;
    ScrollIntoView(caret_, true);
}

void TSCEditEngine::FocusExit()
{
    if (HasSelection())
        pending_.repaint = true;
    Flush();
}
