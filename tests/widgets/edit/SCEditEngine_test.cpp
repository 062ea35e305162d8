#include "widgets/edit/SCEditEngine.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/edit/FakeEditHost.h"

namespace {

constexpr int kAreaRight = 349;  // text area of the fake field: x 3..349, 346 wide

}  // namespace

TEST(SCEditExtents, MeasuredOnceWithAWindowByUnsignedCode)
{
    FakeEdit f;
    f.window = false;
    EXPECT_EQ(f.edit.Extents().Width('a'), 0);
    EXPECT_EQ(f.measured, 0) << "nothing is measured without a window";
    f.window = true;
    const TSCCharExtents& e = f.edit.Extents();
    EXPECT_EQ(f.measured, 256);
    EXPECT_EQ(e.Width('\0'), 0) << "code 0 never takes room";
    EXPECT_EQ(e.Width('\xC0'), 7) << "code page 1251 letters index the table by their unsigned code";
    EXPECT_EQ(e.LineHeight(), (13 + 15) / 2 + 1);
    EXPECT_EQ(e.AverageCharWidth(), (10 + 2) / 2);
    f.edit.Extents();
    EXPECT_EQ(f.measured, 256);
    f.edit.FontChanged();
    f.edit.Extents();
    EXPECT_EQ(f.measured, 512) << "a new font is measured again";
}

TEST(SCEditGeometry, PositionOfPointAtCharacterHalvesAndEnds)
{
    FakeEdit f;
    f.edit.SetText("aWi");  // cells: a 3..9, W 9..19, i 19..21
    struct Case {
        int x;
        int col;
    } cases[] = {
        {-5, 0}, {2, 0}, {3, 0}, {5, 0}, {6, 1},  {8, 1},  {9, 1},   {13, 1},
        {14, 2}, {18, 2}, {19, 2}, {20, 3}, {21, 3}, {25, 3}, {500, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("x = " + std::to_string(c.x));
        EXPECT_EQ(f.edit.PositionOfPoint(c.x, 10), c.col);
        EXPECT_EQ(f.edit.PositionOfPoint(c.x, -40), c.col) << "any y lands on the one line";
    }
    const int xs[] = {3, 9, 19, 21, 21};
    for (int col = 0; col <= 4; ++col) {
        EXPECT_EQ(f.edit.PointOfPosition(col).X, xs[col]) << col;
        EXPECT_EQ(f.edit.PointOfPosition(col).Y, 3) << "top of the text area";
    }
    f.edit.SetText("");
    EXPECT_EQ(f.edit.PositionOfPoint(100, 10), 0);
}

TEST(SCEditGeometry, ScrollOffsetShowingAColumn)
{
    const std::string path = LongGamePath();
    FakeEditHost measurer;
    TSCCharExtents extents;
    extents.Build(measurer);
    const TSCEditRect field{3, 3, kAreaRight, 20};
    struct Case {
        const char* what;
        std::string text;
        TSCEditRect area;
        int col, oldOffset, offset;
    } cases[] = {
        {"start", path, field, 0, 0, 0},
        {"end: last character ends one pixel inside", path, field, 259, 0, 1555 - 346},
        {"inside the view: kept", path, field, 258, 1209, 1209},
        {"back to the start", path, field, 0, 1209, 0},
        {"last column inside from 0", path, field, 57, 0, 0},
        {"one past the right edge: six averages ahead", path, field, 58, 0, 351 + 36 - 346},
        {"left of the view, far in", path, field, 100, 1209, 603 + 36 - 346},
        {"narrow area: backs off by averages", path, {3, 3, 23, 20}, 100, 0, 619 - 4 * 6},
        {"a text that fits shows from 0", "C:\\Games", field, 8, 40, 0},
        {"kept offset clamped after the text shrank", path.substr(0, 254), field, 250, 1209, 254 * 6 + 1 - 346},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(scedit::ScrollOffsetShowing(c.text, extents, c.area, c.col, c.oldOffset), c.offset);
    }
}

TEST(SCEditScroll, LongPathFromTheStartToTheEndAndSelectedWhole)
{
    FakeEdit f;
    const std::string path = LongGamePath();
    f.edit.SetText(path);
    EXPECT_EQ(f.edit.CaretPos(), 0);
    EXPECT_EQ(f.edit.ScrollOffset(), 0);

    f.edit.KeyDown(TSCEditKey::End, false, false);
    EXPECT_EQ(f.edit.ScrollOffset(), 1209);
    EXPECT_EQ(f.edit.PointOfPosition(259).X, kAreaRight - 1) << "the caret stands on the area's last pixel";
    EXPECT_FALSE(f.edit.HasSelection());

    f.edit.KeyDown(TSCEditKey::Home, false, false);
    EXPECT_EQ(f.edit.ScrollOffset(), 0);

    f.log.clear();
    f.edit.KeyDown(TSCEditKey::End, true, false);
    EXPECT_EQ(f.log, "repaint;caret;move;");
    EXPECT_EQ(f.edit.SelectedText(), path);
    EXPECT_EQ(f.edit.ScrollOffset(), 1209);
    EXPECT_TRUE(f.edit.KeyDown(TSCEditKey::C, false, true));
    EXPECT_EQ(f.clipboard, path);

    f.client.Right = 2000;  // wide enough now: back to the start, and repainted
    f.log.clear();
    f.edit.SizeChanged();
    EXPECT_EQ(f.edit.ScrollOffset(), 0);
    EXPECT_NE(f.log.find("repaint;"), std::string::npos);
}

TEST(SCEditWords, BoundariesByBlanksAndDelimiters)
{
    const std::string path = "C:\\Games\\Baldur's Gate II";  // blank at 17
    const std::string cyrillic = "\xCF\xE0\xEF\xEA\xE0 \xE8\xE3\xF0\xFB";  // two code page 1251 words
    struct Case {
        const char* what;
        std::string text;
        std::string_view delimiters;
        int col, left, right;
        TSCTextRange word;
    } cases[] = {
        {"blanks only: a path is one word", path, "", 5, 0, 18, {0, 17}},
        {"blanks only: from the second word", path, "", 20, 18, 23, {18, 22}},
        {"built-in set: ':' splits", path, kSCBuiltInDelimiters, 5, 2, 17 + 1, {2, 17}},
        {"built-in set: ':' skipped to the next word", path, kSCBuiltInDelimiters, 0, 0, 2, {0, 1}},
        {"own set '\\'", path, "\\", 5, 3, 9, {3, 8}},
        {"ends of the text", path, "", 25, 23, 25, {23, 25}},
        {"letters above 127 are not blanks", cyrillic, "", 2, 0, 6, {0, 5}},
        {"blank run between words", "ab   cd", "", 3, 0, 5, {2, 5}},
        {"leading blanks up to the first letter", "  abc", "", 1, 0, 2, {0, 2}},
        {"leading delimiter alone", "(abc)", kSCBuiltInDelimiters, 0, 0, 1, {0, 1}},
        {"leading blank ends at a delimiter", " (abc", kSCBuiltInDelimiters, 1, 0, 2, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TSCEditWords words(c.delimiters);
        EXPECT_EQ(words.WordLeft(c.text, c.col), c.left);
        EXPECT_EQ(words.WordRight(c.text, c.col), c.right);
        const TSCTextRange word = words.WordAt(c.text, c.col);
        EXPECT_EQ(word.Start, c.word.Start);
        EXPECT_EQ(word.End, c.word.End);
    }

    FakeEdit f;
    f.edit.SetText(path);
    f.edit.KeyDown(TSCEditKey::Right, true, true);
    EXPECT_EQ(f.edit.SelectedText(), "C:\\Games\\Baldur's ") << "Ctrl+Shift+Right";
    f.edit.SetUseDelimetersProperty(false);
    f.edit.KeyDown(TSCEditKey::Left, false, true);
    EXPECT_EQ(f.edit.CaretPos(), 2) << "Ctrl+Left with the built-in set stops after ':'";
    EXPECT_FALSE(f.edit.HasSelection());
}

TEST(SCEditText, WriteKeepsTheFirstLineWithinMaxLength)
{
    struct Case {
        const char* what;
        std::string value;
        int maxLength;
        std::string text;
    } cases[] = {
        {"CR LF", "C:\\Games\r\nBG2", 0, "C:\\Games"},
        {"LF", "C:\\Games\nBG2", 0, "C:\\Games"},
        {"NUL", std::string("C:\\\0Games", 9), 0, "C:\\"},
        {"line break first", "\rC:\\Games", 0, ""},
        {"MaxLength", "C:\\Games", 5, "C:\\Ga"},
        {"MaxLength after the cut", "C:\\G\r\nBG2", 5, "C:\\G"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeEdit f;
        f.edit.SetMaxLength(c.maxLength);
        f.edit.SetText(c.value);
        EXPECT_EQ(f.edit.Text(), c.text);
    }
}

TEST(SCEditText, WriteResetsTheViewAndRaisesOnlyForANewText)
{
    FakeEdit f;
    f.edit.SetText(LongGamePath());
    f.edit.KeyDown(TSCEditKey::End, false, false);
    f.edit.KeyDown(TSCEditKey::Left, true, false);
    ASSERT_NE(f.edit.ScrollOffset(), 0);

    f.log.clear();
    f.edit.SetText("C:\\Games\r\nBG2");
    EXPECT_EQ(f.edit.Text(), "C:\\Games");
    EXPECT_EQ(f.edit.CaretPos(), 0);
    EXPECT_EQ(f.edit.Anchor(), 0);
    EXPECT_EQ(f.edit.ScrollOffset(), 0);
    EXPECT_TRUE(f.edit.Modified());
    EXPECT_EQ(f.log, "move;change;caret;repaint;");

    f.log.clear();
    f.edit.KeyDown(TSCEditKey::End, false, false);
    f.edit.SetText("C:\\Games");
    f.edit.SetText("C:\\Games\nother");
    EXPECT_EQ(f.log, "caret;move;") << "only the End key: the same text raises nothing, not even a repaint";
    EXPECT_EQ(f.edit.CaretPos(), 8) << "and leaves the caret";

    FakeEdit loading;
    loading.loading = true;
    loading.edit.SetText("C:\\Games");
    EXPECT_EQ(loading.edit.Text(), "C:\\Games");
    EXPECT_EQ(loading.log, "");
    EXPECT_FALSE(loading.edit.CanUndo()) << "a loaded text is not an edit";
}

TEST(SCEditReadOnly, EditsAreRefusedAndCopyWorks)
{
    struct Case {
        const char* what;
        bool (*run)(TSCEditEngine&);
    } cases[] = {
        {"typing", [](TSCEditEngine& e) { return e.KeyPress('x'); }},
        {"Backspace", [](TSCEditEngine& e) { return e.KeyDown(TSCEditKey::Backspace, false, false); }},
        {"Delete", [](TSCEditEngine& e) { return e.KeyDown(TSCEditKey::Delete, false, false); }},
        {"Ctrl+X", [](TSCEditEngine& e) { return e.KeyDown(TSCEditKey::X, false, true); }},
        {"Ctrl+V", [](TSCEditEngine& e) { return e.KeyDown(TSCEditKey::V, false, true); }},
        {"Shift+Insert", [](TSCEditEngine& e) { return e.KeyDown(TSCEditKey::Insert, true, false); }},
        {"Cut", [](TSCEditEngine& e) { return e.Cut(); }},
        {"Paste", [](TSCEditEngine& e) { return e.Paste(); }},
        {"Delete selection", [](TSCEditEngine& e) { return e.DeleteSelection(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeEdit f;
        f.edit.SetReadOnly(true);
        f.edit.SetText("C:\\Games");
        f.edit.SetSelection(3, 8);
        f.clipboard = "pasted";
        f.log.clear();
        c.run(f.edit);
        EXPECT_EQ(f.edit.Text(), "C:\\Games");
        EXPECT_EQ(f.clipboard, "pasted");
        EXPECT_EQ(f.log, "");
        EXPECT_FALSE(f.edit.CanCut() || f.edit.CanPaste() || f.edit.CanDelete());
        EXPECT_TRUE(f.edit.KeyDown(TSCEditKey::Insert, false, true)) << "Ctrl+Insert copies";
        EXPECT_EQ(f.clipboard, "Games");
    }
}

TEST(SCEditClipboard, OnClipCopyMayChangeOrRefuseAndPasteTakesOneLine)
{
    FakeEdit f;
    f.edit.SetText("C:\\Games");
    EXPECT_FALSE(f.edit.Copy()) << "nothing selected";
    f.edit.SelectAll();
    EXPECT_FALSE(f.edit.CanSelectAll());
    f.edit.OnClipCopy = [](std::string& text, bool&) { text += "\\BG2"; };
    f.edit.Copy();
    EXPECT_EQ(f.clipboard, "C:\\Games\\BG2");
    f.edit.OnClipCopy = [](std::string&, bool& allow) { allow = false; };
    f.clipboard = "kept";
    EXPECT_FALSE(f.edit.Copy());
    EXPECT_EQ(f.clipboard, "kept");

    f.clipboard = "D:\\BG2\r\nsecond line";
    f.edit.SetMaxLength(5);
    f.edit.SetSelection(3, 8);
    EXPECT_TRUE(f.edit.Paste());
    EXPECT_EQ(f.edit.Text(), "C:\\D:") << "the first line, within MaxLength";
    EXPECT_EQ(f.edit.CaretPos(), 5);
}

TEST(SCEditMouse, ClickDragAndDoubleClick)
{
    FakeEdit f;
    const std::string path = LongGamePath();
    f.edit.SetText(path);
    EXPECT_FALSE(f.edit.MouseDown(360, 10, false, false)) << "on the button: no selection";
    EXPECT_FALSE(f.edit.MouseDown(1, 10, false, false)) << "in the left margin";

    EXPECT_TRUE(f.edit.MouseDown(3 + 6 * 4 + 3, 10, false, false));  // right half of column 4's character
    EXPECT_TRUE(f.edit.MouseSelecting());
    EXPECT_EQ(f.edit.CaretPos(), 5);
    EXPECT_FALSE(f.edit.KeyDown(TSCEditKey::End, false, false)) << "no keys while mouse selecting";
    f.edit.MouseMove(500, 10);  // dragged past the right edge
    EXPECT_GT(f.edit.ScrollOffset(), 0);
    EXPECT_EQ(f.edit.Anchor(), 5);
    EXPECT_TRUE(f.edit.MouseUp(500, 10));
    EXPECT_FALSE(f.edit.MouseSelecting());
    EXPECT_EQ(f.edit.SelStart(), 5);
    EXPECT_GT(f.edit.SelEnd(), 57);
    EXPECT_TRUE(f.edit.WantsIBeam(100, 10));
    EXPECT_FALSE(f.edit.WantsIBeam(360, 10));

    f.edit.SetText("C:\\Games\\Baldur's Gate");
    f.edit.MouseDown(3 + 6 * 10, 10, false, false);
    f.edit.MouseUp(3 + 6 * 10, 10);
    f.edit.MouseDown(3 + 6 * 20, 10, true, false);
    f.edit.MouseUp(3 + 6 * 20, 10);
    EXPECT_EQ(f.edit.Anchor(), 10) << "Shift extends from the anchor";
    EXPECT_EQ(f.edit.CaretPos(), 20);
    f.edit.MouseDown(3 + 6 * 20, 10, false, true);
    EXPECT_FALSE(f.edit.MouseSelecting());
    EXPECT_EQ(f.edit.SelectedText(), "Gate") << "double click";
}

TEST(SCEditFocus, AutoSelectUnlessAPressGaveTheFocus)
{
    FakeEdit f;
    f.edit.SetText("C:\\Games");
    f.edit.FocusEnter(true);
    EXPECT_FALSE(f.edit.HasSelection());
    f.edit.FocusEnter(false);
    EXPECT_EQ(f.edit.SelectedText(), "C:\\Games");
    EXPECT_FALSE(f.edit.SelectionShown(false)) << "HideSelection";
    EXPECT_TRUE(f.edit.SelectionShown(true));
    f.log.clear();
    f.edit.FocusExit();
    EXPECT_EQ(f.log, "repaint;");
}
