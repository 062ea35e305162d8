// Undo records, their groups and limit, and undo and redo.
#include <algorithm>
#include <utility>

#include "widgets/edit/SCEditEngine.h"

namespace {

// Extends `top` by a change of its kind right beside it: a Backspace run (a deletion
// ending where the top one starts), a Delete-key run (a deletion at the same start), a
// typing run (an insertion where the top one ends) or an insertion at the same start.
// An insertion ending where the top one starts, or a deletion starting where it ends,
// does not join: the top's text no longer stands there, and undo would restore it wrongly.
bool Merge(TSCEditUndoRec& top, TSCEditPos from, TSCEditPos to, std::string_view text)
{
    if (top.Kind == seukDeletion && to == top.StartPos) {
        top.StartPos = from;
        top.Text.insert(0, text);
        return true;
    }
    if (top.Kind == seukInsertion && from == top.EndPos) {
        top.EndPos = to;
        top.Text += text;
        return true;
    }
    if (from == top.StartPos) {
        top.EndPos.Col += to.Col - from.Col;
        if (top.Kind == seukDeletion)
            top.Text += text;
        else
            top.Text.insert(0, text);
        return true;
    }
    return false;
}

int CountOf(const std::unique_ptr<TSCEditUndoStack>& stack)
{
    return stack ? stack->Count() : 0;
}

}  // namespace

void TSCEditEngine::BeginUpdate()
{
    if (updateDepth_++ == 0)
        groupDue_ = true;
}

void TSCEditEngine::EndUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        groupDue_ = false;
}

void TSCEditEngine::SetUseUndo(bool value)
{
    useUndo_ = value;
    ApplyUndoLimit();
}

void TSCEditEngine::SetUndoLimit(int value)
{
    undoLimit_ = std::max(0, value);
    ApplyUndoLimit();
}

void TSCEditEngine::ApplyUndoLimit()
{
    if (!useUndo_) {
        undo_.reset();
        redo_.reset();
        return;
    }
    if (undoLimit_ == 0)
        return;
    while (CountOf(undo_) + CountOf(redo_) > undoLimit_) {
        std::unique_ptr<TSCEditUndoStack>& stack = CountOf(undo_) > 0 ? undo_ : redo_;
        stack->Delete(0);
        if (stack->Count() == 0)
            stack.reset();
    }
}

void TSCEditEngine::RecordChange(TSCEditUndoKind kind, int start, int end, std::string_view text)
{
    if (!useUndo_ || host_.Loading() || undoLock_ > 0 || start == end || (kind == seukDeletion && text.empty()))
        return;
    redo_.reset();
    modified_ = true;
    if (!undo_)
        undo_ = std::make_unique<TSCEditUndoStack>();
    int group = -1;
    if (groupDue_) {
        group = undo_->NewGroup();
        groupDue_ = false;
    }
    const TSCEditPos from{std::min(start, end), 0};
    const TSCEditPos to{std::max(start, end), 0};

    TSCEditUndoRec* top = undo_->Count() > 0 ? &undo_->Top() : nullptr;
    const bool sameRun = top && top->Kind == kind && top->EndPos.Line == to.Line;
    if (sameRun && Merge(*top, from, to, text))
        return;
    if (!sameRun && updateDepth_ > 0 && top) {
        // Inside an update: join the group the top record belongs to, unless this change opened it.
        if (top->Group < 0)
            top->Group = undo_->NewGroup();
        if (group < 0)
            group = top->Group;
    }

    TSCEditUndoRec& record = undo_->Push();
    record.Kind = kind;
    record.Group = group;
    record.EndPos = to;
    record.StartPos = from;
    record.Text = std::string(text);
    ApplyUndoLimit();
}

bool TSCEditEngine::Undo()
{
    return Replay(undo_, redo_, true);
}

bool TSCEditEngine::Redo()
{
    return Replay(redo_, undo_, false);
}

bool TSCEditEngine::Replay(std::unique_ptr<TSCEditUndoStack>& from, std::unique_ptr<TSCEditUndoStack>& to, bool undo)
{
    if (undoLock_ > 0 || !from)
        return false;
    ++undoLock_;  // no records while replaying
    TSCTextRange last;
    try {
        last = ReplayGroup(from, to, undo);
    } catch (...) {
        --undoLock_;
        throw;
    }
    --undoLock_;
    PlaceCaret(last.End, last.Start);
    pending_.repaint = pending_.caret = pending_.caretMove = true;
    ShowColumn(caret_, true);
    Flush();
    return true;
}

TSCTextRange TSCEditEngine::ReplayGroup(std::unique_ptr<TSCEditUndoStack>& from,
                                        std::unique_ptr<TSCEditUndoStack>& to, bool undo)
{
    const int group = from->Top().Group;
    TSCTextRange last;
    do {
        TSCEditUndoRec record = from->Extract(from->Count() - 1);
        // Undoing a deletion or redoing an insertion puts the text back; the other two take it out.
        const bool putBack = (record.Kind == seukDeletion) == undo;
        const int start = ClampCol(record.StartPos.Col);
        last = {start, start};
        if (!readOnly_ && putBack) {
            ReplaceRange(start, start, record.Text);
            last.End = start + static_cast<int>(record.Text.size());
        } else if (!readOnly_) {
            const int end = std::max(start, ClampCol(record.EndPos.Col));
            record.Text = text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
            ReplaceRange(start, end, {});
        }
        if (!to) {
            // Undoing (or redoing) everything moves every record across: room for them all at once.
            to = std::make_unique<TSCEditUndoStack>();
            to->Reserve(from->Count() + 1);
        }
        to->Insert(to->Count(), std::move(record));
    } while (group >= 0 && from->Count() > 0 && from->Top().Group == group);
    if (from->Count() == 0)
        from.reset();
    return last;
}
