// Text, caret and selection, geometry and scrolling, clipboard and editing.
#include "widgets/edit/SCEditEngine.h"

#include <algorithm>

namespace {

// One line: everything from the first NUL, LF or CR on is dropped.
std::string_view FirstLine(std::string_view value)
{
    return value.substr(0, value.find_first_of(std::string_view("\0\n\r", 3)));
}

// Lets the clipboard handler change the text or refuse; true when it goes ahead.
bool Offer(const std::function<void(std::string&, bool&)>& handler, std::string& text)
{
    bool allow = true;
    if (handler)
        handler(text, allow);
    return allow;
}

}  // namespace

TSCEditEngine::TSCEditEngine(TSCEditHost& host, TSCCharMeasurer& measurer) : host_(host), measurer_(measurer) {}

// --- Text ---

void TSCEditEngine::SetText(std::string_view value)
{
    value = FirstLine(value);
    if (maxLength_ > 0 && static_cast<int>(value.size()) > maxLength_)
        value = value.substr(0, static_cast<std::size_t>(maxLength_));
    if (value == text_)
        return;
    BeginUpdate();
    ReplaceRange(0, Length(), std::string(value));
    EndUpdate();
    PlaceCaret(0, 0);
    SetOffset(0, false);
    Flush();
}

void TSCEditEngine::ReplaceRange(int start, int end, std::string insert)
{
    start = ClampCol(start);
    end = std::max(start, ClampCol(end));
    if (end > start) {
        const std::size_t count = static_cast<std::size_t>(end - start);
        RecordChange(seukDeletion, start, end, std::string_view(text_).substr(static_cast<std::size_t>(start), count));
        text_.erase(static_cast<std::size_t>(start), count);
    }
    if (!insert.empty()) {
        text_.insert(static_cast<std::size_t>(start), insert);
        RecordChange(seukInsertion, start, start + static_cast<int>(insert.size()), insert);
    }
    if (end > start || !insert.empty()) {
        modified_ = true;
        pending_.text = true;
        caret_ = ClampCol(caret_);
        anchor_ = ClampCol(anchor_);
    }
}

int TSCEditEngine::ReplaceSelection(std::string_view insert)
{
    insert = FirstLine(insert);
    if (maxLength_ > 0) {
        const int room = std::max(0, maxLength_ - (Length() - (SelEnd() - SelStart())));
        insert = insert.substr(0, std::min(insert.size(), static_cast<std::size_t>(room)));
    }
    const int start = SelStart();
    BeginUpdate();
    ReplaceRange(start, SelEnd(), std::string(insert));
    EndUpdate();
    const int caret = start + static_cast<int>(insert.size());
    PlaceCaret(caret, caret);
    ScrollIntoView(caret, true);
    return static_cast<int>(insert.size());
}

// --- Caret and selection ---

int TSCEditEngine::ClampCol(int col) const
{
    return std::clamp(col, 0, Length());
}

std::string TSCEditEngine::SelectedText() const
{
    return text_.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelEnd() - SelStart()));
}

void TSCEditEngine::PlaceCaret(int caret, int anchor)
{
    caret = ClampCol(caret);
    anchor = ClampCol(anchor);
    if (caret == caret_ && anchor == anchor_)
        return;
    // The highlight changes unless the selection was and stays empty.
    if (caret_ != anchor_ || caret != anchor)
        pending_.repaint = true;
    caret_ = caret;
    anchor_ = anchor;
    pending_.caret = true;
    pending_.caretMove = true;
}

void TSCEditEngine::SetCaret(int col)
{
    PlaceCaret(col, anchor_);
    ScrollIntoView(caret_, true);
}

void TSCEditEngine::SetAnchor(int col)
{
    PlaceCaret(caret_, col);
    Flush();
}

void TSCEditEngine::SetSelection(int anchor, int caret)
{
    PlaceCaret(caret, anchor);
    ScrollIntoView(caret_, true);
}

void TSCEditEngine::MoveCaret(int col, bool extend)
{
    col = ClampCol(col);
    SetSelection(extend ? anchor_ : col, col);
}

void TSCEditEngine::SelectAll()
{
    SetSelection(0, Length());
}

void TSCEditEngine::SelectWord()
{
    const TSCTextRange word = Words().WordAt(text_, caret_);
    SetSelection(word.Start, word.End);
}

void TSCEditEngine::WordLeft(bool extend)
{
    MoveCaret(Words().WordLeft(text_, caret_), extend);
}

void TSCEditEngine::WordRight(bool extend)
{
    MoveCaret(Words().WordRight(text_, caret_), extend);
}

TSCEditWords TSCEditEngine::Words() const
{
    return TSCEditWords(useDelimetersProperty_ ? std::string_view(delimeters_) : kSCBuiltInDelimiters);
}

// --- Geometry and scrolling ---

void TSCEditEngine::SetMargins(const TSCEditMargins& margins)
{
    margins_ = {std::max(0, margins.Left), std::max(0, margins.Top), std::max(0, margins.Right),
                std::max(0, margins.Bottom)};
    SizeChanged();
}

TSCEditRect TSCEditEngine::TextArea() const
{
    const TSCEditRect client = host_.ClientArea();
    return {client.Left + margins_.Left, client.Top + margins_.Top, client.Right - margins_.Right,
            client.Bottom - margins_.Bottom};
}

const TSCCharExtents& TSCEditEngine::Extents()
{
    if (!extents_.Built() && host_.HasWindow())
        extents_.Build(measurer_);
    return extents_;
}

TSCEditPoint TSCEditEngine::PointOfPosition(int col)
{
    const TSCEditRect area = TextArea();
    return {area.Left - offset_ + scedit::ColumnLeft(text_, Extents(), col), area.Top};
}

int TSCEditEngine::PositionOfPoint(int x, int y)
{
    (void)y;  // one line: any height lands on it
    return scedit::ColumnAtX(text_, Extents(), TextArea().Left - offset_, x);
}

void TSCEditEngine::SetOffset(int offset, bool notify)
{
    if (offset == offset_)
        return;
    offset_ = offset;
    pending_.repaint = true;
    pending_.caret = true;
    if (notify)
        pending_.caretMove = true;
}

void TSCEditEngine::ScrollIntoView(int col, bool notify)
{
    ShowColumn(col, notify);
    Flush();
}

void TSCEditEngine::ShowColumn(int col, bool notify)
{
    if (!host_.HasWindow())
        return;
    if (text_.empty()) {
        SetOffset(0, notify);
        return;
    }
    const TSCEditRect client = host_.ClientArea();
    TSCEditRect area = TextArea();
    area = {std::max(area.Left, client.Left), std::max(area.Top, client.Top), std::min(area.Right, client.Right),
            std::min(area.Bottom, client.Bottom)};
    if (!area.Empty())
        SetOffset(scedit::ScrollOffsetShowing(text_, Extents(), area, col, offset_), notify);
}

void TSCEditEngine::FontChanged()
{
    extents_.Clear();
    SizeChanged();
}

void TSCEditEngine::SizeChanged()
{
    pending_.repaint = true;
    pending_.caret = true;
    ScrollIntoView(caret_, false);
}

// --- Clipboard and editing ---

bool TSCEditEngine::Copy()
{
    if (!CanCopy())
        return false;
    std::string text = SelectedText();
    if (!Offer(OnClipCopy, text))
        return false;
    host_.SetClipboardText(text);
    return true;
}

bool TSCEditEngine::Cut()
{
    if (!CanCut())
        return false;
    std::string text = SelectedText();
    if (!Offer(OnClipCut, text))
        return false;
    host_.SetClipboardText(text);
    ReplaceSelection({});
    return true;
}

bool TSCEditEngine::Paste()
{
    if (readOnly_)
        return false;
    std::string text(FirstLine(host_.ClipboardText()));
    if (text.empty() || !Offer(OnClipPaste, text))
        return false;
    ReplaceSelection(text);
    return true;
}

bool TSCEditEngine::DeleteSelection()
{
    if (!CanDelete())
        return false;
    ReplaceSelection({});
    return true;
}

// --- Notifications ---

void TSCEditEngine::Flush()
{
    const Pending p = pending_;
    pending_ = {};
    if (host_.Loading())
        return;
    if (p.text) {
        if (OnCaretMove)
            OnCaretMove();
        if (OnChange)
            OnChange();
        host_.UpdateCaret();
        host_.RequestRepaint();
        return;
    }
    if (p.repaint)
        host_.RequestRepaint();
    if (p.caret)
        host_.UpdateCaret();
    if (p.caretMove && OnCaretMove)
        OnCaretMove();
}
