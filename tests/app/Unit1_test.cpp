// The main window driven as a user would: messages to its real windows, state read back.
#include "app/Unit1.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

#include "../framework/BoxWatcher.h"
#include "../framework/GuiTestUtil.h"
#include "../framework/InModalLoop.h"
#include "../widgets/shell/BrowseDriver.h"
#include "table/CellAccess.h"
#include "app/GridCells.h"
#include "app/Unit2.h"
#include "table/XpBonusTable.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"
#include "framework/Gdi.h"

namespace {

using namespace fw::literals;

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->Show();
        fwtest::Drain();
    }

    fw::StringGrid& Grid() { return *form->StringGrid1; }

    void ChooseFolder(const std::string& folder)
    {
        form->SCButtonEdit1->SetText(folder);
        fwtest::Drain();
    }

    void StepList(fw::ComboBox* list, int to) { fwtest::StepList(*list, to); }
    void ClickCell(int col, int row) { fwtest::ClickCell(Grid(), col, row); }
    void Type(const std::string& chars) { fwtest::Type(chars); }

    bool Editing() const { return (form->StringGrid1->Options() & fw::goEditing) != 0; }

    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, StartsGreyAndDisabledWithTheStartingTemplates)
{
    EXPECT_FALSE(form->SpeedButton1->Enabled());
    EXPECT_FALSE(IsWindowEnabled(form->ComboBox1->Handle()));
    EXPECT_FALSE(IsWindowEnabled(form->ComboBox2->Handle()));
    EXPECT_FALSE(IsWindowEnabled(form->ComboBox3->Handle()));
    EXPECT_FALSE(IsWindowEnabled(Grid().Handle()));
    EXPECT_TRUE(form->SpeedButton2->Enabled());
    EXPECT_TRUE(IsWindowEnabled(form->SCButtonEdit1->Handle()));
    for (fw::Label* label : {form->Label2, form->Label3, form->Label4})
        EXPECT_EQ(label->GetFont().GetColor(), fw::clGray) << label->Name();
    EXPECT_EQ(Grid().GetFont().GetColor(), fw::clGray);
    EXPECT_EQ(form->Label1->GetFont().GetColor(), fw::clWindowText);

    EXPECT_EQ(Grid().Cells(1, 0), "Ловушки"_cp1251);
    EXPECT_EQ(Grid().Cells(2, 0), "Взлом замков"_cp1251);
    EXPECT_EQ(Grid().Cells(3, 0), "Изучение свитков"_cp1251);
    EXPECT_EQ(Grid().Cells(0, 0), "");
    EXPECT_EQ(Grid().Cells(0, 1), "  1");
    EXPECT_EQ(Grid().Cells(0, 40), "  40");
    EXPECT_EQ(Grid().Cells(1, 1), "1000");
    EXPECT_EQ(Grid().Cells(2, 40), "1550");
    EXPECT_EQ(Grid().Cells(3, 9), "9000");
    EXPECT_EQ(Grid().Cells(3, 10), "");
    for (fw::ComboBox* list : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) {
        EXPECT_EQ(list->ItemIndex(), 1) << list->Name();
        EXPECT_EQ(list->ItemCount(), 7);
    }
    EXPECT_EQ(form->ComboBox3->Items()[5], "Опыт за изучение заклинаний со свитков не выдается"_cp1251);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Grid().Row(), 1);
}

TEST_F(MainWindowTest, WindowAndControlsSitWhereTheLayoutPutsThem)
{
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 426);
    LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindowTextLengthW(form->Handle()), 36);

    struct Case {
        fw::Control* control;
        RECT bounds;
    } cases[] = {
        {form->Label1, {12, 12, 277, 29}},
        {form->SCButtonEdit1, {12, 32, 381, 53}},
        {form->Label2, {12, 64, 277, 81}},       {form->Label3, {12, 112, 277, 129}},
        {form->Label4, {12, 160, 277, 177}},     {form->StringGrid1, {12, 216, 381, 388}},
        {form->SpeedButton2, {12, 394, 45, 419}}, {form->SpeedButton1, {288, 394, 381, 419}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->Name());
        RECT b = c.control->BoundsRect();
        EXPECT_EQ(b.left, c.bounds.left);
        EXPECT_EQ(b.top, c.bounds.top);
        EXPECT_EQ(b.right, c.bounds.right);
        EXPECT_EQ(b.bottom, c.bounds.bottom);
    }
    // Windowed controls: where the platform really put them. A drop-down list keeps its
    // edit height, so only its left, top and width are checked.
    for (fw::WinControl* c : {static_cast<fw::WinControl*>(form->ComboBox1), static_cast<fw::WinControl*>(form->ComboBox2),
                              static_cast<fw::WinControl*>(form->ComboBox3)}) {
        SCOPED_TRACE(c->Name());
        RECT r;
        GetWindowRect(c->Handle(), &r);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 12);
        EXPECT_EQ(r.right - r.left, 369);
        EXPECT_EQ(r.top, c->Top());
    }
    EXPECT_EQ(form->ComboBox1->Top(), 84);
    EXPECT_EQ(form->ComboBox2->Top(), 132);
    EXPECT_EQ(form->ComboBox3->Top(), 180);
}

TEST_F(MainWindowTest, PaintedColoursOfTheLayout)
{
    fwtest::Snapshot shot(form->Handle());
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* where;
        int x, y;
        COLORREF colour;
    } cases[] = {
        {"form face above the field", 200, 5, face},
        {"form face between the lists", 200, 108, face},
        {"form face right of the About button", 150, 410, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(shot.At(c.x, c.y), c.colour);
    }
    // The field's own background: pale yellow inside its frame.
    fwtest::Snapshot field(form->SCButtonEdit1->Handle());
    EXPECT_EQ(field.At(200, 10), 0xE1FFFEu);
    // The grid: pale blue ordinary cells, button-face fixed cells, highlighted current cell.
    fwtest::Snapshot grid(Grid().Handle());
    RECT c22 = Grid().CellRect(2, 2);
    EXPECT_EQ(grid.At(c22.right - 3, c22.bottom - 3), 0xFFF7E1u);
    RECT c01 = Grid().CellRect(0, 1);
    EXPECT_EQ(grid.At(c01.right - 3, c01.bottom - 3), face);
    RECT c11 = Grid().CellRect(1, 1);
    EXPECT_EQ(grid.At(c11.right - 3, c11.bottom - 3), GetSysColor(COLOR_HIGHLIGHT));
}

// The client area as it is on the screen, children included.
class ScreenCapture {
public:
    explicit ScreenCapture(HWND window) : dib_(Size(window).cx, Size(window).cy)
    {
        HDC dc = GetDC(window);
        BitBlt(dib_.DC(), 0, 0, dib_.Width(), dib_.Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        GdiFlush();
    }
    std::uint32_t At(int x, int y) const
    {
        std::uint32_t bgrx = dib_.Pixel(x, y) & 0xFFFFFF;
        return ((bgrx & 0xFF) << 16) | (bgrx & 0xFF00) | (bgrx >> 16);  // as 0x00BBGGRR
    }

private:
    static SIZE Size(HWND window)
    {
        RECT r;
        GetClientRect(window, &r);
        return SIZE{r.right, r.bottom};
    }
    fw::DibSection dib_;
};

TEST_F(MainWindowTest, EachControlIsPaintedInsideItsRectangle)
{
    ChooseFolder("C:\\Games");  // enabled: the lists show their own background
    SetForegroundWindow(form->Handle());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fwtest::Drain();
    ScreenCapture shot(form->Handle());
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        RECT r;
        std::uint32_t inside;  // a colour seen `insideX` right of the left end, 8 down
        int insideX = 3;
    } cases[] = {
        {"SCButtonEdit1", {12, 32, 381, 53}, 0xE1FFFE, 200},  // past the text
        {"ComboBox1", {12, 84, 381, 105}, 0xE1FFFE},
        {"ComboBox2", {12, 132, 381, 153}, 0xE1FFFE},
        {"ComboBox3", {12, 180, 381, 201}, 0xE1FFFE},
        {"StringGrid1", {12, 216, 381, 388}, face},  // the fixed column
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int midY = (c.r.top + c.r.bottom) / 2;
        EXPECT_EQ(shot.At(c.r.left - 1, midY), face) << "left of the control";
        EXPECT_EQ(shot.At(c.r.right, midY), face) << "right of the control";
        EXPECT_EQ(shot.At(c.r.left + 20, c.r.top - 1), face) << "above the control";
        EXPECT_EQ(shot.At(c.r.left + 20, c.r.bottom), face) << "below the control";
        EXPECT_NE(shot.At(c.r.left, midY), face) << "its frame starts at its left edge";
        EXPECT_EQ(shot.At(c.r.left + c.insideX, c.r.top + 8), c.inside);
    }
    // The grid's ordinary cells, below the header row and right of the label column.
    EXPECT_EQ(shot.At(12 + 2 + 36 + 60, 216 + 2 + 21 + 25), 0xFFF7E1u);
    // Speed buttons: a dark lower-right edge at the edge of their rectangle, face outside.
    for (RECT r : {RECT{12, 394, 45, 419}, RECT{288, 394, 381, 419}}) {
        EXPECT_NE(shot.At(r.right - 1, r.bottom - 1), face);
        EXPECT_EQ(shot.At(r.right, r.bottom), face);
        EXPECT_EQ(shot.At(r.left - 1, r.top - 1), face);
    }
    // Labels: text in their colour inside their rectangle, none in the gap below them.
    struct LabelCase {
        fw::Label* label;
        std::uint32_t colour;
    } labels[] = {{form->Label1, 0x000000}, {form->Label2, 0x000000}, {form->Label3, 0x000000},
                  {form->Label4, 0x000000}};
    for (const LabelCase& l : labels) {
        SCOPED_TRACE(l.label->Name());
        RECT r = l.label->BoundsRect();
        int inside = 0, below = 0;
        for (int x = r.left; x < r.right; ++x) {
            for (int y = r.top; y < r.bottom; ++y)
                inside += shot.At(x, y) == l.colour;
            below += shot.At(x, r.bottom + 1) == l.colour;
        }
        EXPECT_GT(inside, 20);
        EXPECT_EQ(below, 0);
    }
}

TEST_F(MainWindowTest, ChoosingAFolderEnablesAndBlackensOnce)
{
    int changes = 0;
    auto previous = form->SCButtonEdit1->OnChange;
    form->SCButtonEdit1->OnChange = [&] {
        ++changes;
        previous();
    };
    ChooseFolder("C:\\Games\\BG2");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(form->SpeedButton1->Enabled());
    EXPECT_TRUE(IsWindowEnabled(form->ComboBox1->Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->ComboBox3->Handle()));
    EXPECT_TRUE(IsWindowEnabled(Grid().Handle()));
    EXPECT_EQ(form->Label2->GetFont().GetColor(), 0u);
    EXPECT_EQ(Grid().GetFont().GetColor(), 0u);
    EXPECT_EQ(form->Label1->GetFont().GetColor(), fw::clWindowText);
    ChooseFolder("C:\\Games\\BG2");
    EXPECT_EQ(changes, 1) << "the same folder again changes nothing";
    // Only spaces and control characters count as no folder.
    ChooseFolder(" \t ");
    EXPECT_FALSE(form->SpeedButton1->Enabled());
    EXPECT_FALSE(IsWindowEnabled(Grid().Handle()));
    EXPECT_EQ(form->Label4->GetFont().GetColor(), fw::clGray);
}

TEST_F(MainWindowTest, TabMovesOnlyAmongTheEnabledLists)
{
    ChooseFolder("C:\\Games");
    form->ComboBox1->SetFocus();
    fwtest::Drain();
    HWND expected[] = {form->ComboBox2->Handle(), form->ComboBox3->Handle(), form->ComboBox1->Handle()};
    for (HWND next : expected) {
        MSG msg = {GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
        IsDialogMessageW(form->Handle(), &msg);
        fwtest::Drain();
        EXPECT_EQ(GetFocus(), next);
    }
}

TEST_F(MainWindowTest, ListChoicesCopyTemplatesIntoTheirColumns)
{
    ChooseFolder("C:\\Games");
    StepList(form->ComboBox2, 0);
    EXPECT_EQ(Grid().Cells(2, 1), "10");
    EXPECT_EQ(Grid().Cells(2, 40), "62");

    StepList(form->ComboBox3, 5);
    for (int level = 1; level <= 9; ++level)
        EXPECT_EQ(Grid().Cells(3, level), "0");
    EXPECT_EQ(Grid().Cells(3, 10), "");

    // Stepping down to the custom choice copies every template passed, the last being all zeros.
    StepList(form->ComboBox1, 6);
    EXPECT_EQ(Grid().Cells(1, 1), "0");
    EXPECT_EQ(Grid().Cells(1, 40), "0");

    // Setting the index from the program loads nothing.
    form->ComboBox2->SetItemIndex(4);
    fwtest::Drain();
    EXPECT_EQ(Grid().Cells(2, 1), "10");
}

TEST_F(MainWindowTest, CustomColumnEditingFollowsTheKeyAndLengthRules)
{
    ChooseFolder("C:\\Games");
    // Custom mode right after start keeps the values, ready for editing.
    StepList(form->ComboBox2, 0);
    StepList(form->ComboBox1, 6);
    form->ComboBox1->SetItemIndex(6);
    Grid().SetFocus();
    EXPECT_FALSE(Editing()) << "the choice alone does not switch editing on";

    ClickCell(1, 3);  // select
    EXPECT_TRUE(Editing());
    EXPECT_FALSE(Grid().EditorMode());
    ClickCell(1, 3);  // then open
    ASSERT_TRUE(Grid().EditorMode());
    Type("12345");
    EXPECT_EQ(Grid().Cells(1, 3), "1234");
    auto* editor = Grid().Editor();
    EXPECT_EQ(editor->Text(), "1234");
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 4);
    Type("7");
    EXPECT_EQ(Grid().Cells(1, 3), "7");

    // Letters, spaces, Backspace and Enter are discarded; Delete deletes.
    Type("a \b\r");
    EXPECT_EQ(Grid().Cells(1, 3), "7");
    EXPECT_TRUE(Grid().EditorMode());
    editor->SetSelection(0, 0);
    fwtest::KeyDown(editor->Handle(), VK_DELETE);
    fwtest::Drain();
    EXPECT_EQ(Grid().Cells(1, 3), "");

    // Pasted text keeps its digits only, then the cut applies.
    ASSERT_TRUE(fw::Clipboard::SetText("1 2a3"));
    SendMessageW(editor->Handle(), WM_PASTE, 0, 0);
    fwtest::Drain();
    EXPECT_EQ(Grid().Cells(1, 3), "123");
    editor->SetSelection(0, 3);
    ASSERT_TRUE(fw::Clipboard::SetText("9x8 7-6 5"));
    SendMessageW(editor->Handle(), WM_PASTE, 0, 0);
    fwtest::Drain();
    EXPECT_EQ(Grid().Cells(1, 3), "9876");

    // A column under a template choice is not editable: the click clears the permission.
    ClickCell(2, 3);
    EXPECT_FALSE(Editing());
    Type("5");
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Grid().Cells(2, 3), "10");

    // Back to a template: the edited values go.
    StepList(form->ComboBox1, 1);
    EXPECT_EQ(Grid().Cells(1, 3), "1000");
}

TEST_F(MainWindowTest, ScrollLevelsPastNineCannotBeSelectedButStillSetThePermission)
{
    ChooseFolder("C:\\Games");
    StepList(form->ComboBox3, 6);
    Grid().SetFocus();
    ClickCell(1, 2);
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(Grid().FocusCell(3, 20));
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_TRUE(Editing()) << "the refused attempt still reads column 3's choice";

    Grid().SetTopRow(5);
    fwtest::Drain();
    ClickCell(3, 10);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Grid().Row(), 2);
    ClickCell(3, 9);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Grid().Row(), 9);
}

TEST_F(MainWindowTest, TheWriteButtonWritesTheTableAndSaysSo)
{
    fwtest::ScratchFolder dir;
    ChooseFolder(dir.Narrow());
    StepList(form->ComboBox2, 0);  // bgt locks
    Grid().SetCells(1, 5, "");     // an empty traps cell becomes 0

    testing_support::BoxWatcher watcher({form->Handle()});
    RECT b = form->SpeedButton1->BoundsRect();
    fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    fwtest::Drain();
    ASSERT_TRUE(watcher.Seen().found);
    EXPECT_EQ(watcher.Seen().text, fw::Widen(std::string("Файл таблицы опыта успешно создан!"_cp1251)));
    EXPECT_TRUE(watcher.Seen().enabled[0]) << "the main window stays enabled";
    EXPECT_EQ(Grid().Cells(1, 5), "0");

    app::GridCells cells(Grid());
    std::string expected = app::RenderXpBonusText(cells);
    HANDLE h = CreateFileW((dir.Path() + L"\\override\\xpbonus.2da").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(h, bytes.data(), 4096, &read, nullptr);
    CloseHandle(h);
    bytes.resize(read);
    EXPECT_EQ(bytes, expected);
    EXPECT_NE(bytes.find("PICK_LOCK     10   10   10   10   10   16   "), std::string::npos);
    EXPECT_NE(bytes.find("DISARM_TRAP   1000 1000 1000 1000 0    1750 "), std::string::npos);
}

// Over another mod's table: that table is kept byte for byte in xpbonus-backup. Over a
// table another program holds: the usual failure, and nothing changed or left behind.
TEST_F(MainWindowTest, TheWriteButtonKeepsTheTableItReplaces)
{
    const std::string other = "2DA V1.0\r\n0\r\nanother mod's table\r\n";
    auto read = [](const std::wstring& path) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    struct Case {
        bool held;
        std::wstring message;
        size_t backups;
    } cases[] = {
        {false, fw::Widen(std::string("Файл таблицы опыта успешно создан!"_cp1251)), 1},
        {true, L"I/O error 32.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held ? "held" : "free");
        fwtest::ScratchFolder dir({L"override"});
        const std::wstring table = dir.Path() + L"\\override\\xpbonus.2da";
        std::ofstream(std::filesystem::path(table), std::ios::binary) << other;
        HANDLE held = c.held ? CreateFileW(table.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                           nullptr)
                             : INVALID_HANDLE_VALUE;
        ChooseFolder(dir.Narrow());
        {
            testing_support::BoxWatcher watcher;
            RECT b = form->SpeedButton1->BoundsRect();
            fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
            fwtest::Drain();
            ASSERT_TRUE(watcher.Seen().found);
            EXPECT_EQ(watcher.Seen().text, c.message);
        }
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((dir.Path() + L"\\xpbonus-backup\\*.*").c_str(), &found);
        std::vector<std::wstring> backups;
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
            if (found.cFileName[0] != L'.')
                backups.push_back(dir.Path() + L"\\xpbonus-backup\\" + found.cFileName);
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
        ASSERT_EQ(backups.size(), c.backups);
        EXPECT_EQ(read(table) == other, c.held) << "replaced only when free";
        if (!backups.empty()) {
            EXPECT_EQ(read(backups[0]), other);
        }
        EXPECT_EQ(GetFileAttributesW((dir.Path() + L"\\xpbonus-backup").c_str()) == INVALID_FILE_ATTRIBUTES, c.held)
            << "no back-up folder left behind";
    }
}

TEST_F(MainWindowTest, DisabledWriteButtonIgnoresClicks)
{
    testing_support::BoxWatcher watcher;
    RECT b = form->SpeedButton1->BoundsRect();
    fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    fwtest::Drain();
    EXPECT_FALSE(watcher.Seen().found);
}

}  // namespace

namespace {

TEST_F(MainWindowTest, AboutButtonShowsTheAboutWindowModally)
{
    TForm2 about;
    form->AboutForm = &about;
    bool mainDisabled = false;
    fwtest::InModalLoop closer([&] {
        if (!IsWindowVisible(about.Handle()))
            return false;
        mainDisabled = !IsWindowEnabled(form->Handle());
        RECT b = about.SpeedButton1->BoundsRect();
        fwtest::Click(about.Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
        return true;
    });
    RECT b = form->SpeedButton2->BoundsRect();
    fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    fwtest::Drain();
    EXPECT_TRUE(closer.Done());
    EXPECT_TRUE(mainDisabled) << "the main window waits while the About window shows";
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    RECT client;
    GetClientRect(about.Handle(), &client);
    EXPECT_EQ(client.right, 362);
    EXPECT_EQ(client.bottom, 118);
    form->AboutForm = nullptr;
}

TEST_F(MainWindowTest, BrowseButtonRunsTheFolderBrowserAndCancelChangesNothing)
{
    std::wstring caption;
    fwtest::InModalLoop canceller([&] {
        HWND dialog = fwtest::FindThreadDialog();
        if (!dialog)
            return false;
        wchar_t text[128] = {};
        GetWindowTextW(dialog, text, 128);
        caption = text;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    const TSCEditRect button = form->SCButtonEdit1->ButtonRect(form->SCButtonEdit1->Button());
    fwtest::Click(form->SCButtonEdit1->Handle(), (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    fwtest::Drain();
    ASSERT_TRUE(canceller.Done());
    EXPECT_EQ(caption, fw::Widen(std::string("Выбор каталога..."_cp1251)));
    EXPECT_EQ(form->SCButtonEdit1->Text(), "");
    EXPECT_FALSE(form->SpeedButton1->Enabled());
}

}  // namespace

namespace {

// Presses the field's browse button and works the browser with `steps`, one per tick.
void Browse(TForm1& form, std::vector<std::function<void(HWND browse)>> steps)
{
    EXPECT_TRUE(shelltest::WorkBrowser(
        [&] {
            const TSCEditRect button = form.SCButtonEdit1->ButtonRect(form.SCButtonEdit1->Button());
            fwtest::Click(form.SCButtonEdit1->Handle(), (button.Left + button.Right) / 2,
                          (button.Top + button.Bottom) / 2);
            fwtest::Drain();
        },
        std::move(steps)));
}

TEST_F(MainWindowTest, BrowseButtonPutsTheConfirmedFolderIntoTheField)
{
    TElFolderDialog& dialog = *form->ElFolderDialog1;
    EXPECT_EQ(BrowseFlags(dialog.Options), 0x000Bu);
    EXPECT_EQ(dialog.RootFolder, sfoDesktopExpanded);
    EXPECT_EQ(dialog.Position, fdpScreenCenter);
    EXPECT_FALSE(dialog.ShowCustomButton);

    fwtest::ScratchFolder scratch({L"BG2"}, fwtest::ScratchFolder::AtDriveRoot);
    const std::vector<std::wstring> names = shelltest::TreeNamesOf(scratch.Path() + L"\\BG2");
    std::wstring caption, prompt;
    bool mainEnabled = true;
    Browse(*form, {
        [&](HWND browse) {
            caption = shelltest::TextOf(browse);
            prompt = shelltest::TextOf(GetDlgItem(browse, 0x3742));
            mainEnabled = IsWindowEnabled(form->Handle()) != FALSE;
            shelltest::Select(browse, names);
        },
        [&](HWND browse) { shelltest::ConfirmSelection(browse, names); },
    });
    EXPECT_EQ(caption, fw::Widen(std::string("Выбор каталога..."_cp1251)));
    EXPECT_EQ(prompt, fw::Widen(std::string("Укажите расположение каталога с игрой:"_cp1251)));
    EXPECT_FALSE(mainEnabled) << "nothing of the program can be pressed while the browser is open";
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_EQ(form->SCButtonEdit1->Text(), fw::Narrow(scratch.Path() + L"\\BG2"));
    EXPECT_TRUE(form->SpeedButton1->Enabled());
}

TEST_F(MainWindowTest, FolderNameOutsideTheCodePageIsRefusedNotGuessed)
{
    // "Cafe Uber Lodz" exists too: a look-alike conversion would write there.
    fwtest::ScratchFolder scratch({L"Caf\u00e9 \u00dcber \u0141\u00f3d\u017a", L"Cafe Uber Lodz"}, fwtest::ScratchFolder::AtDriveRoot);
    const std::vector<std::wstring> names =
        shelltest::TreeNamesOf(scratch.Path() + L"\\Caf\u00e9 \u00dcber \u0141\u00f3d\u017a");
    bool confirmed = false;
    Browse(*form, {
        [&](HWND browse) { shelltest::Select(browse, names); },
        [&](HWND browse) { confirmed = shelltest::ConfirmSelection(browse, names); },
    });
    // The write button is pressed only for the folder asked for, inside the scratch folder.
    ASSERT_TRUE(confirmed);
    ASSERT_EQ(form->SCButtonEdit1->Text(), fw::Narrow(scratch.Path()) + "\\Caf? ?ber ??d?");

    testing_support::BoxWatcher watcher;
    RECT b = form->SpeedButton1->BoundsRect();
    fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    fwtest::Drain();
    ASSERT_TRUE(watcher.Seen().found);
    EXPECT_EQ(watcher.Seen().text, fw::Widen(fw::FailureBoxText(fw::EInOutError(fw::kIoInvalidFilename).Message())));
    EXPECT_EQ(GetFileAttributesW((scratch.Path() + L"\\Cafe Uber Lodz\\override").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace

namespace {

void ClickControl(fw::Form& form, const fw::Control& control)
{
    RECT b = control.BoundsRect();
    fwtest::Click(form.Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
}

// After the cell editor had the focus, the window is activated again: the focus goes
// back to the grid on its current cell, and an arrow key moves in the grid, not a list.
TEST_F(MainWindowTest, FocusComesBackToTheGridWhateverActivatesTheWindowAgain)
{
    fwtest::ScratchFolder dir;
    TForm2 about;
    form->AboutForm = &about;
    struct Way {
        const char* what;
        std::function<void()> leaveAndComeBack;
    } ways[] = {
        {"the success box dismissed",
         [&] {
             testing_support::BoxWatcher watcher;
             ClickControl(*form, *form->SpeedButton1);
             fwtest::Drain();
             EXPECT_TRUE(watcher.Seen().found);
         }},
        {"the About window closed",
         [&] {
             fwtest::InModalLoop closer([&] {
                 if (!IsWindowVisible(about.Handle()))
                     return false;
                 ClickControl(about, *about.SpeedButton1);
                 return true;
             });
             ClickControl(*form, *form->SpeedButton2);
             fwtest::Drain();
             EXPECT_TRUE(closer.Done());
         }},
        {"another program left with Alt+Tab",
         [&] {
             HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                          nullptr, GetModuleHandleW(nullptr), nullptr);
             SetActiveWindow(other);
             fwtest::Drain();
             SetActiveWindow(form->Handle());
             fwtest::Drain();
             DestroyWindow(other);
         }},
    };
    ChooseFolder(dir.Narrow());
    StepList(form->ComboBox1, 6);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        ClickCell(1, 3);
        ClickCell(1, 3);
        ASSERT_TRUE(Grid().EditorMode());
        ASSERT_EQ(GetFocus(), Grid().Editor()->Handle());
        const std::string below = Grid().Cells(1, 4);

        way.leaveAndComeBack();

        EXPECT_EQ(GetFocus(), Grid().Handle());
        EXPECT_FALSE(Grid().EditorMode());
        fwtest::PressKey(VK_DOWN);
        EXPECT_EQ(Grid().Row(), 4);
        EXPECT_EQ(Grid().Cells(1, 4), below);
        EXPECT_EQ(form->ComboBox1->ItemIndex(), 6);
        EXPECT_EQ(form->ComboBox2->ItemIndex(), 1);
        EXPECT_EQ(form->ComboBox3->ItemIndex(), 1);
    }
    form->AboutForm = nullptr;
}

TEST_F(MainWindowTest, TheEditorOpensOnlyOnAVisibleCell)
{
    ChooseFolder("C:\\Games");
    StepList(form->ComboBox1, 6);
    Grid().SetFocus();
    ClickCell(1, 2);
    struct Case {
        const char* what;
        std::function<void()> open;
        std::string cell;
    } cases[] = {
        {"typing a digit", [] { fwtest::Type("5"); }, "5"},
        {"F2", [] { fwtest::PressKey(VK_F2); }, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Grid().SetCells(1, 2, "1000");
        for (int i = 0; i < 3; ++i)
            SendMessageW(Grid().Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
        fwtest::Drain();
        ASSERT_GT(Grid().TopRow(), 2) << "the current cell is out of view";
        c.open();
        ASSERT_TRUE(Grid().EditorMode());
        EXPECT_EQ(Grid().TopRow(), 2);
        RECT cell = Grid().CellRect(1, 2);
        RECT editor;
        GetWindowRect(Grid().Editor()->Handle(), &editor);
        MapWindowPoints(nullptr, Grid().Handle(), reinterpret_cast<POINT*>(&editor), 2);
        EXPECT_EQ(editor.left, cell.left + 2);
        EXPECT_EQ(editor.top, cell.top + 2);
        EXPECT_EQ(Grid().Cells(1, 2), c.cell);
        fwtest::PressKey(VK_DOWN);  // leave the editor
        fwtest::PressKey(VK_UP);
    }
}

TEST_F(MainWindowTest, APasteWithoutDigitsChangesNothing)
{
    ChooseFolder("C:\\Games");
    StepList(form->ComboBox1, 6);
    Grid().SetFocus();
    ClickCell(1, 3);
    ClickCell(1, 3);
    ASSERT_TRUE(Grid().EditorMode());
    Grid().SetCells(1, 3, "1000");
    auto* editor = Grid().Editor();
    editor->SetSelection(1, 2);
    for (const char* pasted : {"abc", " - ", ""}) {
        SCOPED_TRACE(std::string("pasted \"") + pasted + "\"");
        ASSERT_TRUE(fw::Clipboard::SetText(pasted));
        SendMessageW(editor->Handle(), WM_PASTE, 0, 0);
        fwtest::Drain();
        EXPECT_EQ(Grid().Cells(1, 3), "1000");
        EXPECT_EQ(editor->Text(), "1000");
        EXPECT_EQ(editor->SelStart(), 1);
        EXPECT_EQ(editor->SelLength(), 2);
    }
}

}  // namespace

namespace {

std::string S(std::string_view text) { return std::string(text); }

// The window's rules as data: its texts, fonts and grid, and what a handful of actions
// do, each action on a fresh window.
TEST(MainWindowRules, TextsFontsGridAndActions)
{
    auto form = std::make_unique<TForm1>();
    const std::vector<std::string> common = {
        S("Таблица опыта, используемая для Baldur's Gate Trilogy"_cp1251),
        S("Таблица опыта, используемая в оригинальном Baldur's Gate 2"_cp1251),
        S("10% от значений таблицы опыта оригинального Baldur's Gate 2"_cp1251),
        S("50% от значений таблицы опыта оригинального Baldur's Gate 2"_cp1251),
        S("Таблица с прогрессирующей шкалой опыта"_cp1251),
        "",
        S("Пользовательская таблица опыта (режим редактирования)"_cp1251),
    };
    auto items = [&common](std::string_view fifth) {
        std::vector<std::string> list = common;
        list[5] = std::string(fifth);
        return list;
    };
    struct Text {
        const char* what;
        std::vector<std::string> actual;
        std::vector<std::string> expected;
    } texts[] = {
        {"window caption", {form->Caption()}, {S("Редактор таблицы опыта для BG2 / BGT"_cp1251)}},
        {"Label1", {form->Label1->Caption()}, {S("Расположение каталога с игрой:"_cp1251)}},
        {"Label2", {form->Label2->Caption()}, {S("Опыт за обезвреживание ловушек:"_cp1251)}},
        {"Label3", {form->Label3->Caption()}, {S("Опыт за взлом сундуков/дверей:"_cp1251)}},
        {"Label4", {form->Label4->Caption()}, {S("Опыт за изучение заклинаний со свитков:"_cp1251)}},
        {"ComboBox1", form->ComboBox1->Items(), items("Опыт за обезвреживание ловушек не выдается"_cp1251)},
        {"ComboBox2", form->ComboBox2->Items(), items("Опыт за взлом сундуков/дверей не выдается"_cp1251)},
        {"ComboBox3", form->ComboBox3->Items(), items("Опыт за изучение заклинаний со свитков не выдается"_cp1251)},
        {"write button", {form->SpeedButton1->Caption()}, {S("Записать"_cp1251)}},
        {"About button", {form->SpeedButton2->Caption()}, {""}},
        {"browser title", {form->ElFolderDialog1->DialogTitle}, {S("Выбор каталога..."_cp1251)}},
        {"browser prompt", {form->ElFolderDialog1->Prompt}, {S("Укажите расположение каталога с игрой:"_cp1251)}},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.what);
        EXPECT_EQ(t.actual, t.expected);
    }

    struct FontRule {
        const char* what;
        const fw::Control* control;
        fw::Color colour;
        bool parentFont;
    } fonts[] = {
        {"window", form.get(), fw::clWindowText, true},
        {"Label1", form->Label1, fw::clWindowText, true},
        {"Label2", form->Label2, fw::clGray, false},
        {"grid", form->StringGrid1, fw::clGray, false},
    };
    for (const FontRule& f : fonts) {
        SCOPED_TRACE(f.what);
        EXPECT_EQ(f.control->GetFont().Name(), "MS Sans Serif");
        EXPECT_EQ(f.control->GetFont().Height(), 11);
        EXPECT_EQ(f.control->GetFont().Style(), 0u);
        EXPECT_EQ(f.control->GetFont().GetColor(), f.colour);
        EXPECT_EQ(f.control->ParentFont(), f.parentFont);
    }

    fw::StringGrid& grid = *form->StringGrid1;
    struct Number {
        const char* what;
        long actual, expected;
    } numbers[] = {
        {"columns", grid.ColCount(), 4},
        {"rows", grid.RowCount(), 41},
        {"fixed columns", grid.FixedCols(), 1},
        {"fixed rows", grid.FixedRows(), 1},
        {"column 0 width", grid.ColWidths(0), 35},
        {"column 1 width", grid.ColWidths(1), 89},
        {"column 2 width", grid.ColWidths(2), 106},
        {"column 3 width", grid.ColWidths(3), 114},
        {"row height", grid.DefaultRowHeight(), 20},
        {"grid lines", grid.GridLineWidth(), 1},
        {"visible level rows", grid.VisibleRowCount(), 7},
        {"options", static_cast<long>(grid.Options()),
         fw::goFixedVertLine | fw::goFixedHorzLine | fw::goVertLine | fw::goHorzLine | fw::goDrawFocusSelected |
             fw::goThumbTracking},
        {"scroll bars", grid.ScrollBars(), fw::ssVertical},
        {"border", grid.BorderStyle(), fw::bsSingle},
        {"background", static_cast<long>(grid.GetColor()), 16775137},
        {"tab order", grid.TabOrder(), 1},
        {"tab stop", grid.TabStop(), false},
        {"field read-only", form->SCButtonEdit1->ReadOnly(), true},
        {"field background", static_cast<long>(form->SCButtonEdit1->GetColor()), 14811134},
        {"field style", form->SCButtonEdit1->Style(), scesWinXP},
        {"field mask error", form->SCButtonEdit1->RaiseMaskError(), false},
        {"field tab order", form->SCButtonEdit1->TabOrder(), 0},
        {"field tab stop", form->SCButtonEdit1->TabStop(), false},
        {"field text length", static_cast<long>(form->SCButtonEdit1->Text().size()), 0},
    };
    for (const Number& n : numbers) {
        SCOPED_TRACE(n.what);
        EXPECT_EQ(n.actual, n.expected);
    }
    form.reset();

    // Each action starts on a fresh, shown window: as started, with a folder chosen, or
    // with the editor open on traps level 10 under the custom choice and "12" typed.
    enum Start { AsStarted, FolderChosen, EditorOpen };
    struct Action {
        const char* what;
        Start start;
        std::function<void(TForm1&)> check;
    } actions[] = {
        {"Tab skips the lists while they are disabled", AsStarted,
         [](TForm1& f) {
             SetFocus(f.Handle());
             for (int i = 0; i < 4; ++i) {
                 MSG msg = {GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
                 IsDialogMessageW(f.Handle(), &msg);
                 fwtest::Drain();
                 for (fw::ComboBox* list : {f.ComboBox1, f.ComboBox2, f.ComboBox3})
                     EXPECT_NE(GetFocus(), list->Handle()) << list->Name();
             }
         }},
        {"Escape in the editor changes nothing and keeps it open", EditorOpen,
         [](TForm1& f) {
             fwtest::Type("\x1B");
             EXPECT_TRUE(f.StringGrid1->EditorMode());
             EXPECT_EQ(f.StringGrid1->Cells(1, 10), "12");
         }},
        {"Ctrl+V typed in the editor pastes nothing", EditorOpen,
         [](TForm1& f) {
             ASSERT_TRUE(fw::Clipboard::SetText("99"));
             fwtest::Type("\x16");
             EXPECT_EQ(f.StringGrid1->Editor()->Text(), "12");
             EXPECT_EQ(f.StringGrid1->Cells(1, 10), "12");
         }},
        {"Shift+Insert in the editor pastes the digits only", EditorOpen,
         [](TForm1& f) {
             ASSERT_TRUE(fw::Clipboard::SetText("x8y"));
             BYTE keys[256] = {}, held[256] = {};
             GetKeyboardState(keys);
             std::copy(std::begin(keys), std::end(keys), std::begin(held));
             held[VK_SHIFT] = 0x80;
             SetKeyboardState(held);
             fwtest::PressKey(VK_INSERT);
             SetKeyboardState(keys);
             EXPECT_EQ(f.StringGrid1->Editor()->Text(), "128");
             EXPECT_EQ(f.StringGrid1->Cells(1, 10), "128");
         }},
        {"Page Up leaves the editor and moves a page up", EditorOpen,
         [](TForm1& f) {
             fwtest::PressKey(VK_PRIOR);
             EXPECT_FALSE(f.StringGrid1->EditorMode());
             EXPECT_EQ(f.StringGrid1->Row(), 4) << "a page is the visible rows less one";
             EXPECT_EQ(f.StringGrid1->Cells(1, 10), "12");
             EXPECT_EQ(GetFocus(), f.StringGrid1->Handle());
         }},
        {"a refused click on level 20 of the scrolls column", FolderChosen,
         [](TForm1& f) {
             fwtest::StepList(*f.ComboBox3, 6);
             f.StringGrid1->SetFocus();
             fwtest::ClickCell(*f.StringGrid1, 1, 2);
             f.StringGrid1->SetTopRow(15);
             fwtest::Drain();
             fwtest::ClickCell(*f.StringGrid1, 3, 20);
             EXPECT_EQ(f.StringGrid1->Col(), 1);
             EXPECT_EQ(f.StringGrid1->Row(), 2);
             EXPECT_TRUE(f.StringGrid1->Options() & fw::goEditing) << "column 3's choice still read";
         }},
        {"a write failure through the button", FolderChosen,
         [](TForm1& f) {
             fwtest::ScratchFolder dir;
             HANDLE file = CreateFileW((dir.Path() + L"\\override").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       0, nullptr);
             ASSERT_NE(file, INVALID_HANDLE_VALUE);
             CloseHandle(file);
             f.SCButtonEdit1->SetText(dir.Narrow());
             fwtest::Drain();
             {
                 testing_support::BoxWatcher failure;
                 ClickControl(f, *f.SpeedButton1);
                 fwtest::Drain();
                 ASSERT_TRUE(failure.Seen().found);
                 EXPECT_EQ(failure.Seen().text, fw::Widen(fw::EInOutError(3).Message() + "."));
                 EXPECT_EQ(failure.Seen().icon, LoadIconW(nullptr, IDI_HAND));
             }
             testing_support::BoxWatcher success;
             fwtest::Drain(std::chrono::milliseconds(200));
             Sleep(100);
             fwtest::Drain();
             EXPECT_FALSE(success.Seen().found) << "no success box after a failure";
         }},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.what);
        TForm1 f;
        f.Show();
        fwtest::Drain();
        if (a.start != AsStarted) {
            f.SCButtonEdit1->SetText("C:\\Games");
            fwtest::Drain();
        }
        if (a.start == EditorOpen) {
            fwtest::StepList(*f.ComboBox1, 6);
            f.StringGrid1->SetFocus();
            f.StringGrid1->SetTopRow(5);
            fwtest::ClickCell(*f.StringGrid1, 1, 10);
            fwtest::Type("12");
            ASSERT_TRUE(f.StringGrid1->EditorMode());
        }
        a.check(f);
    }
}

}  // namespace
