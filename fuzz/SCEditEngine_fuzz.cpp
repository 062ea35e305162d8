// Random operation sequences on the edit engine, with outside text coming in through
// Text writes and pastes. After every step: caret and anchor within the text, no NUL,
// LF or CR in it, the scroll offset within 0..text width + 1 - area width, the undo
// stacks within the limit and never kept empty. When the input's first byte is even the
// sequence leaves the history whole (no read-only, limit, undo switch or loading), and
// then, from the end of the history, every undo step must give a text the sequence went
// through, the last one the empty start text, and redoing everything the end text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_set>

#include "tests/widgets/edit/FakeEditHost.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    int Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int Between(int low, int high) { return low + Byte() % (high - low + 1); }
    bool Bit() { return (Byte() & 1) != 0; }
    std::string Text()
    {
        std::string text(static_cast<std::size_t>(Between(0, 40)), '\0');
        for (char& c : text)
            c = static_cast<char>(Byte());
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

int CountOf(const TSCEditUndoStack* stack)
{
    return stack ? stack->Count() : 0;
}

// `groupLimit`: the highest group a record may carry (the undo stack's counter), or none.
void CheckRecords(const TSCEditUndoStack* stack, bool wholeHistory, std::optional<int> groupLimit)
{
    Check(stack == nullptr || stack->Count() > 0);
    const int count = CountOf(stack);
    for (int i = 0; i < count; ++i) {
        const TSCEditUndoRec& r = stack->Item(i);
        Check(r.StartPos.Line == 0 && r.EndPos.Line == 0 && r.StartPos.Col < r.EndPos.Col);
        if (wholeHistory)
            Check(static_cast<int>(r.Text.size()) == r.EndPos.Col - r.StartPos.Col);
        if (groupLimit)
            Check(r.Group <= *groupLimit);
    }
}

// By three searches of the whole text, not a search of the set for each character.
bool HasLineBreakOrNul(const std::string& text)
{
    for (char c : {'\0', '\n', '\r'})
        if (!text.empty() && std::memchr(text.data(), c, text.size()))
            return true;
    return false;
}

void CheckInvariants(FakeEdit& f, bool wholeHistory)
{
    TSCEditEngine& e = f.edit;
    const int length = static_cast<int>(e.Text().size());
    Check(e.CaretPos() >= 0 && e.CaretPos() <= length && e.Anchor() >= 0 && e.Anchor() <= length);
    Check(!HasLineBreakOrNul(e.Text()));
    Check(e.ScrollOffset() >= 0);
    const TSCEditRect area = e.TextArea();
    // An offset of 0 is within any bound: the text is measured only for a larger one.
    if (f.window && !area.Empty() && length > 0 && e.ScrollOffset() > 0) {
        const int maxOffset = e.TextWidth(e.Text()) + 1 - area.Width();
        Check(e.ScrollOffset() <= (maxOffset > 0 ? maxOffset : 0));
    }
    if (!e.UseUndo())
        Check(!e.UndoStack() && !e.RedoStack());
    if (e.UndoLimit() > 0)
        Check(CountOf(e.UndoStack()) + CountOf(e.RedoStack()) <= e.UndoLimit());
    const TSCEditUndoStack* undo = e.UndoStack();
    CheckRecords(undo, wholeHistory, undo ? std::optional<int>(undo->GroupCounter()) : std::nullopt);
    CheckRecords(e.RedoStack(), wholeHistory, std::nullopt);
}

void Step(FakeEdit& f, Input& in, bool wholeHistory)
{
    TSCEditEngine& e = f.edit;
    const int x = in.Between(-20, 400);
    const int y = in.Between(-5, 25);
    switch (in.Between(0, wholeHistory ? 15 : 19)) {
    case 0: e.SetText(in.Text()); break;
    case 1: f.clipboard = in.Text(); e.Paste(); break;
    case 2: e.KeyDown(static_cast<TSCEditKey>(in.Between(0, 10)), in.Bit(), in.Bit()); break;
    case 3: e.KeyPress(static_cast<char>(in.Byte())); break;
    case 4: e.MouseDown(x, y, in.Bit(), in.Bit()); break;
    case 5: e.MouseMove(x, y); break;
    case 6: e.MouseUp(x, y); break;
    case 7: e.Undo(); break;
    case 8: e.Redo(); break;
    case 9: in.Bit() ? e.Copy() : e.Cut(); break;
    case 10: e.SetSelection(in.Between(-3, 60), in.Between(-3, 60)); break;
    case 11: e.SetMaxLength(in.Between(-1, 30)); break;
    case 12: in.Bit() ? e.FocusEnter(in.Bit()) : e.FocusExit(); break;
    case 13: in.Bit() ? e.BeginUpdate() : e.EndUpdate(); break;
    case 14:
        e.SetDelimeters(in.Text());
        e.SetUseDelimetersProperty(in.Bit());
        e.SelectWord();
        break;
    case 15:
        f.window = in.Between(0, 7) != 0;
        f.client.Right = in.Between(0, 400);
        e.SetMargins({in.Between(-2, 30), 3, in.Between(-2, 30), 1});
        if (in.Bit())
            e.FontChanged();
        break;
    case 16: e.SetReadOnly(in.Bit()); break;
    case 17: e.SetUndoLimit(in.Between(-1, 6)); break;
    case 18: e.SetUseUndo(in.Between(0, 3) != 0); break;
    case 19: f.loading = in.Bit(); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const bool wholeHistory = (in.Byte() & 1) == 0;
    FakeEdit f;
    f.logging = false;
    std::unordered_set<std::string> seen{""};  // the texts between operations, kept for the history
    const std::string* last = &*seen.begin();   // the latest text in it (rehashing keeps it)
    for (int steps = 0; in.More() && steps < 400; ++steps) {
        Step(f, in, wholeHistory);
        CheckInvariants(f, wholeHistory);
        if (wholeHistory && f.edit.Text() != *last)
            last = &*seen.insert(f.edit.Text()).first;
    }
    if (wholeHistory) {
        while (f.edit.Redo())
            CheckInvariants(f, true);
        const std::string last = f.edit.Text();
        while (f.edit.Undo()) {
            CheckInvariants(f, true);
            Check(seen.count(f.edit.Text()) == 1);  // a text the history went through
        }
        Check(f.edit.Text().empty());
        while (f.edit.Redo())
            CheckInvariants(f, true);
        Check(f.edit.Text() == last);
    }
    return 0;
}
