#include "widgets/edit/SCEditUndo.h"

#include <algorithm>
#include <utility>

TSCEditUndoRec& TSCEditUndoStack::Push()
{
    return records_.emplace_back();
}

void TSCEditUndoStack::Delete(int index)
{
    Item(index);  // an index outside the stack throws std::out_of_range
    records_.erase(records_.begin() + index);
}

TSCEditUndoRec TSCEditUndoStack::Extract(int index)
{
    TSCEditUndoRec record = std::move(Item(index));
    Delete(index);
    return record;
}

void TSCEditUndoStack::Insert(int index, TSCEditUndoRec record)
{
    groupCounter_ = std::max(groupCounter_, record.Group);
    index = std::clamp(index, 0, Count());
    records_.insert(records_.begin() + index, std::move(record));
}

void TSCEditUndoStack::Clear()
{
    records_.clear();
    groupCounter_ = -1;
}
