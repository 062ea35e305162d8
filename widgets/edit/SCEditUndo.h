// The edit's undo and redo records and the stack that holds them.
#pragma once

#include <string>
#include <vector>

// A place in the text: column 0 is before the first character. A single-line edit
// keeps every position on line 0.
struct TSCEditPos {
    int Col = 0;
    int Line = 0;
    bool operator==(const TSCEditPos& o) const { return Col == o.Col && Line == o.Line; }
    bool operator!=(const TSCEditPos& o) const { return !(*this == o); }
    bool operator<(const TSCEditPos& o) const { return Line != o.Line ? Line < o.Line : Col < o.Col; }
};

enum TSCEditUndoKind { seukDeletion = 0, seukInsertion = 1 };

// One recorded change: `Text` was removed from, or put into, StartPos..EndPos.
// Records of one group (Group >= 0) are undone and redone together.
struct TSCEditUndoRec {
    TSCEditUndoKind Kind = seukDeletion;
    int Group = -1;
    TSCEditPos EndPos;
    TSCEditPos StartPos;
    std::string Text;
};

// Records in the order they were made, the newest on top (the last index).
class TSCEditUndoStack {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    TSCEditUndoRec& Item(int index) { return records_.at(static_cast<std::size_t>(index)); }
    const TSCEditUndoRec& Item(int index) const { return records_.at(static_cast<std::size_t>(index)); }
    // The newest record; the stack must not be empty.
    TSCEditUndoRec& Top() { return records_.back(); }

    // A new empty record on top (deletion, no group, positions (0, 0)).
    TSCEditUndoRec& Push();
    void Delete(int index);
    // Takes the record out of the stack and hands it over.
    TSCEditUndoRec Extract(int index);
    // `index` is clamped to 0..Count(). The group counter is raised to the record's group,
    // so a later new group never reuses the id of a record the stack holds.
    void Insert(int index, TSCEditUndoRec record);
    // Removes every record and starts the group ids again.
    void Clear();
    // Room for `count` records, so that many can come in without the records moving.
    void Reserve(int count) { records_.reserve(static_cast<std::size_t>(count < 0 ? 0 : count)); }

    // The next group id; the first is 0.
    int NewGroup() { return ++groupCounter_; }
    int GroupCounter() const { return groupCounter_; }

private:
    std::vector<TSCEditUndoRec> records_;
    int groupCounter_ = -1;
};
