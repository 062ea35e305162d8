#include "widgets/edit/SCEditUndo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/edit/FakeEditHost.h"

namespace {

constexpr int kAnyGroup = -2;

struct Rec {
    TSCEditUndoKind kind;
    int group, start, end;
    std::string text;
};

void ExpectRecords(const TSCEditUndoStack* stack, const std::vector<Rec>& expected)
{
    ASSERT_EQ(stack ? stack->Count() : 0, static_cast<int>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        const TSCEditUndoRec& r = stack->Item(i);
        const Rec& e = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.Kind, e.kind);
        if (e.group != kAnyGroup) {
            EXPECT_EQ(r.Group, e.group);
        }
        EXPECT_EQ(r.StartPos.Col, e.start);
        EXPECT_EQ(r.EndPos.Col, e.end);
        EXPECT_EQ(r.Text, e.text);
    }
}

}  // namespace

TEST(SCEditUndoStack, RecordsAndGroupIds)
{
    TSCEditUndoStack s;
    EXPECT_EQ(s.NewGroup(), 0) << "the first group id";
    const TSCEditUndoRec& pushed = s.Push();
    EXPECT_TRUE(pushed.Kind == seukDeletion && pushed.Group == -1 && pushed.EndPos == TSCEditPos{});
    s.Insert(-5, TSCEditUndoRec{seukInsertion, 7, {}, {}, "first"});
    s.Insert(99, TSCEditUndoRec{seukInsertion, 3, {}, {}, "last"});
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Item(0).Text, "first");
    EXPECT_EQ(s.Extract(2).Text, "last");
    EXPECT_EQ(s.NewGroup(), 8) << "never the id of a record it holds";
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.NewGroup(), 0);
}

TEST(SCEditUndo, TextWriteIsOneGroupAndUndoRestoresIt)
{
    FakeEdit f;
    f.edit.SetText("C:\\A");
    f.edit.SetText("C:\\Games");
    ExpectRecords(f.edit.UndoStack(), {{seukInsertion, 0, 0, 4, "C:\\A"},
                                       {seukDeletion, 1, 0, 4, "C:\\A"},
                                       {seukInsertion, 1, 0, 8, "C:\\Games"}});
    bool lockedInOnChange = true;
    f.edit.OnChange = [&] { lockedInOnChange = f.edit.UndoLocked(); };
    f.log.clear();
    EXPECT_TRUE(f.edit.KeyDown(TSCEditKey::Z, false, true));
    EXPECT_EQ(f.edit.Text(), "C:\\A");
    EXPECT_EQ(f.edit.SelectedText(), "C:\\A") << "the restored text is selected";
    EXPECT_EQ(f.log, "move;caret;repaint;");
    EXPECT_FALSE(lockedInOnChange) << "handlers run after the undo lock is released";
    ExpectRecords(f.edit.RedoStack(), {{seukInsertion, 1, 0, 8, "C:\\Games"}, {seukDeletion, 1, 0, 4, "C:\\A"}});

    EXPECT_TRUE(f.edit.KeyDown(TSCEditKey::Z, true, true));
    EXPECT_EQ(f.edit.Text(), "C:\\Games");
    EXPECT_FALSE(f.edit.CanRedo());
}

TEST(SCEditUndo, ReadOnlyUndoMovesTheRecordsButNotTheText)
{
    FakeEdit f;
    f.edit.SetReadOnly(true);
    f.edit.SetText("C:\\A");
    f.edit.SetText("C:\\B");
    f.log.clear();
    EXPECT_TRUE(f.edit.Undo());
    EXPECT_EQ(f.edit.Text(), "C:\\B");
    EXPECT_EQ(f.log.find("change;"), std::string::npos);
    EXPECT_TRUE(f.edit.CanRedo());
    EXPECT_EQ(f.edit.RedoStack()->Count(), 2);
    EXPECT_EQ(f.edit.UndoStack()->Count(), 1);
    f.edit.SetText("C:\\C");
    EXPECT_FALSE(f.edit.CanRedo()) << "a new record empties the redo stack";
}

TEST(SCEditUndo, MergedRunsAndUndoingEverythingRestoresTheText)
{
    // Keys: letters are typed, '<' Left, '.' Right, '>' Shift+Right, '^' Home,
    // '\b' Backspace, '\x7f' Delete.
    struct Case {
        const char* what;
        std::string start;
        int caret;
        std::string keys, after;
        std::vector<Rec> records;
    } cases[] = {
        {"typing run", "XY", 1, "abc", "XabcY", {{seukInsertion, kAnyGroup, 1, 4, "abc"}}},
        {"Backspace run", "abcd", 4, "\b\b", "ab", {{seukDeletion, kAnyGroup, 2, 4, "cd"}}},
        {"Delete-key run", "abcd", 1, "\x7f\x7f", "ad", {{seukDeletion, kAnyGroup, 1, 3, "bc"}}},
        {"typing at the run's start", "XY", 1, "a<b", "XbaY", {{seukInsertion, kAnyGroup, 1, 3, "ba"}}},
        {"typing in front of a run stays apart", "XY", 1, "ab^z", "zXabY",
         {{seukInsertion, kAnyGroup, 1, 3, "ab"}, {seukInsertion, kAnyGroup, 0, 1, "z"}}},
        {"deleting behind a deletion stays apart", "abcde", 1, ">\x7f.>\x7f", "ace",
         {{seukDeletion, kAnyGroup, 1, 2, "b"}, {seukDeletion, kAnyGroup, 2, 3, "d"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeEdit f;
        f.loading = true;  // the starting text leaves no record
        f.edit.SetText(c.start);
        f.loading = false;
        f.edit.MoveCaret(c.caret, false);
        for (char k : c.keys) {
            const bool shift = k == '>';
            switch (k) {
            case '<': f.edit.KeyDown(TSCEditKey::Left, false, false); break;
            case '.': case '>': f.edit.KeyDown(TSCEditKey::Right, shift, false); break;
            case '^': f.edit.KeyDown(TSCEditKey::Home, false, false); break;
            case '\b': f.edit.KeyDown(TSCEditKey::Backspace, false, false); break;
            case '\x7f': f.edit.KeyDown(TSCEditKey::Delete, false, false); break;
            default: f.edit.KeyPress(k);
            }
        }
        EXPECT_EQ(f.edit.Text(), c.after);
        ExpectRecords(f.edit.UndoStack(), c.records);
        while (f.edit.Undo()) {
        }
        EXPECT_EQ(f.edit.Text(), c.start);
        while (f.edit.Redo()) {
        }
        EXPECT_EQ(f.edit.Text(), c.after);
    }
}

TEST(SCEditUndo, LimitKeepsTheNewestRecordsUndoFirst)
{
    FakeEdit f;
    f.edit.SetUndoLimit(3);
    for (const char* text : {"a", "", "b", "", "c"})
        f.edit.SetText(text);
    ExpectRecords(f.edit.UndoStack(), {{seukInsertion, 2, 0, 1, "b"}, {seukDeletion, 3, 0, 1, "b"},
                                       {seukInsertion, 4, 0, 1, "c"}});
    f.edit.Undo();
    f.edit.SetUndoLimit(2);
    ExpectRecords(f.edit.UndoStack(), {{seukDeletion, 3, 0, 1, "b"}});
    ExpectRecords(f.edit.RedoStack(), {{seukInsertion, 4, 0, 1, "c"}});
    f.edit.SetUndoLimit(1);
    EXPECT_FALSE(f.edit.CanUndo());
    EXPECT_TRUE(f.edit.CanRedo());
    f.edit.SetUndoLimit(-4);
    EXPECT_EQ(f.edit.UndoLimit(), 0);

    f.edit.SetUseUndo(false);
    EXPECT_FALSE(f.edit.CanRedo());
    f.edit.SetText("d");
    EXPECT_FALSE(f.edit.CanUndo());
}

TEST(SCEditUndo, AGroupAfterRedoRefilledTheStackGetsANewId)
{
    FakeEdit f;
    f.edit.SetText("one");
    f.edit.Undo();
    EXPECT_EQ(f.edit.UndoStack(), nullptr) << "emptied and destroyed";
    f.edit.Redo();
    f.edit.SetText("two");
    ExpectRecords(f.edit.UndoStack(), {{seukInsertion, 0, 0, 3, "one"}, {seukDeletion, 1, 0, 3, "one"},
                                       {seukInsertion, 1, 0, 3, "two"}});
    f.edit.Undo();
    EXPECT_EQ(f.edit.Text(), "one") << "one step undoes one write";
}
