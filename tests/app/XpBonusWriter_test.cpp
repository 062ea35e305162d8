#include "app/XpBonusWriter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "../framework/BoxWatcher.h"
#include "../framework/GuiTestUtil.h"
#include "../framework/InOutCode.h"
#include "../game/RecordingFiles.h"
#include "table/Templates.h"
#include "table/XpBonusTable.h"
#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"

namespace app {
namespace {

using namespace fw::literals;

using fwtest::ScratchFolder;

std::vector<std::wstring> Entries(const std::wstring& dir)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((L"\\\\?\\" + dir + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());  // Wine lists in the disk's order
    return names;
}

std::string ReadBytes(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD read = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

CellTable StartingTable()
{
    CellTable cells;
    BuiltInTemplates templates;
    for (int column = 1; column <= 3; ++column)
        CopyColumn(templates.Lines(column - 1), column, cells);
    return cells;
}

TEST(XpBonusWriter, OverrideFolderIsInsideTheGameFolder)
{
    struct Case {
        const char* folder;
        const wchar_t* expected;
    } cases[] = {
        {"D:\\Games\\BG2", L"D:\\Games\\BG2\\override"},
        {"D:\\Games\\BG2\\", L"D:\\Games\\BG2\\override"},
        {"E:\\", L"E:\\override"},
        {"d:/games/bg2", L"d:\\games\\bg2\\override"},
        {"\\\\server\\share\\BG2", L"\\\\server\\share\\BG2\\override"},
        // Made full before the name is joined: what Windows makes of the folder itself.
        {"D:\\Games\\BG2 ", L"D:\\Games\\BG2\\override"},
        {"D:\\Games\\x\\..\\BG2.", L"D:\\Games\\BG2\\override"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(OverrideFolderFor(c.folder), c.expected);
    }
}

TEST(XpBonusWriter, TextsThatAreNoAbsolutePathFailWithInvalidFilename)
{
    const char* folders[] = {"", "Games\\BG2", "C:", "C:Games", "C:\\Games\\?", "C:\\Ga*mes", "C:\\a:b",
                             "C:\\a\tb", "\\\\", "\\\\server", "\\\\server\\", "\\\\server\\\\share"};
    for (const char* folder : folders) {
        SCOPED_TRACE(folder);
        CellTable cells = StartingTable();
        EXPECT_EQ(fwtest::InOutCodeOf([&] { WriteXpBonusFile(folder, cells); }), fw::kIoInvalidFilename);
    }
}

TEST(XpBonusWriter, UnrepresentableFolderNameCreatesNothing)
{
    ScratchFolder scratch;
    // A folder name outside code page 1251 arrives with '?' in place of its letters.
    std::string folder = scratch.Narrow() + "\\" + fw::Narrow(L"\x65e\x672");
    CellTable cells = StartingTable();
    EXPECT_EQ(fwtest::InOutCodeOf([&] { WriteXpBonusFile(folder, cells); }), fw::kIoInvalidFilename);
    EXPECT_TRUE(Entries(scratch.Path()).empty());
}

TEST(XpBonusWriter, WritesTheTableAndReplacesAnOldFile)
{
    ScratchFolder scratch;
    std::string game = scratch.Narrow() + "\\BG2";
    CreateDirectoryW((scratch.Path() + L"\\BG2").c_str(), nullptr);
    CellTable cells = StartingTable();
    std::wstring written = WriteXpBonusFile(game, cells).target.native();
    std::wstring target = scratch.Path() + L"\\BG2\\override\\xpbonus.2da";
    EXPECT_EQ(written, target);

    CellTable expectedCells = StartingTable();
    std::string expected = RenderXpBonusText(expectedCells);
    EXPECT_EQ(ReadBytes(target), expected);
    EXPECT_EQ(ReadBytes(target).size(), 868u);

    // A second run replaces the file without asking.
    cells.SetCell(kTrapsColumn, 1, "5");
    WriteXpBonusFile(game + "\\", cells);
    std::string again = ReadBytes(target);
    EXPECT_EQ(again.size(), 868u);
    EXPECT_EQ(again.substr(again.find("DISARM_TRAP"), 19), "DISARM_TRAP   5    ");
    EXPECT_EQ(Entries(scratch.Path() + L"\\BG2\\override"), std::vector<std::wstring>{L"xpbonus.2da"});

    // The first write left a marker that there was no table; the second kept the first table.
    std::vector<std::wstring> backups = Entries(scratch.Path() + L"\\BG2\\xpbonus-backup");
    std::sort(backups.begin(), backups.end());
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].substr(backups[0].size() - 5), L".none");
    EXPECT_EQ(ReadBytes(scratch.Path() + L"\\BG2\\xpbonus-backup\\" + backups[1]), expected);
}

TEST(XpBonusWriter, CreatesEveryMissingFolder)
{
    ScratchFolder scratch;
    std::string game = scratch.Narrow() + "\\a\\b\\" + std::string("Игры"_cp1251);
    CellTable cells = StartingTable();
    WriteXpBonusFile(game, cells);
    std::wstring target = scratch.Path() + L"\\a\\b\\\x418\x433\x440\x44b\\override\\xpbonus.2da";
    EXPECT_EQ(ReadBytes(target).size(), 868u);
}

TEST(XpBonusWriter, PathsPastTheOldLimitWork)
{
    ScratchFolder scratch;
    std::wstring deep = scratch.Path();
    std::string game = scratch.Narrow();
    for (int i = 0; i < 6; ++i) {
        std::string part(50, static_cast<char>('a' + i));
        game += "\\" + part;
        deep += L"\\" + fw::Widen(part);
    }
    ASSERT_GT(deep.size() + 20, 300u);
    CellTable cells = StartingTable();
    WriteXpBonusFile(game, cells);
    EXPECT_EQ(ReadBytes(L"\\\\?\\" + deep + L"\\override\\xpbonus.2da").size(), 868u);
    EXPECT_EQ(Entries(deep + L"\\xpbonus-backup").size(), 1u) << "the marker of a created table";
}

TEST(XpBonusWriter, FailuresKeepTheOldFileAndLeaveNoTemporary)
{
    const std::string old = "old table\r\n";
    struct Case {
        const char* name;
        int expectedCode;
        // Sets up the override folder; returns a handle to close afterwards, if any.
        std::function<HANDLE(const std::wstring& folder)> arrange;
        std::function<void(gametest::RecordingFiles& files)> fault;
    };
    std::vector<Case> cases;
    cases.push_back({"a folder stands where the file should be", 5,
                     [](const std::wstring& folder) {
                         CreateDirectoryW((folder + L"\\xpbonus.2da").c_str(), nullptr);
                         return HANDLE(nullptr);
                     },
                     {}});
    cases.push_back({"another program holds the file open without write sharing", 32,
                     [&old](const std::wstring& folder) {
                         WriteBytes(folder + L"\\xpbonus.2da", old);
                         return CreateFileW((folder + L"\\xpbonus.2da").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, 0, nullptr);
                     },
                     {}});
    cases.push_back({"the disk fills up in the middle", 112,
                     [&old](const std::wstring& folder) {
                         WriteBytes(folder + L"\\xpbonus.2da", old);
                         return HANDLE(nullptr);
                     },
                     [](gametest::RecordingFiles& files) {
                         files.failOn = "write ";
                         files.failAt = 2;
                         files.failCode = 112;
                     }});
    cases.push_back({"a short write", fw::kIoDiskFull, [](const std::wstring&) { return HANDLE(nullptr); },
                     [](gametest::RecordingFiles& files) { files.shortWrites = true; }});

    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder scratch;
        std::wstring folder = scratch.Path() + L"\\override";
        CreateDirectoryW(folder.c_str(), nullptr);
        HANDLE held = c.arrange(folder);
        std::vector<std::wstring> before = Entries(folder);
        std::string oldBytes = ReadBytes(folder + L"\\xpbonus.2da");

        CellTable cells = StartingTable();
        cells.SetCell(kLocksColumn, 3, "");
        cells.SetCell(kTrapsColumn, 3, "");
        gametest::RecordingFiles files(game::Path(scratch.Path()));
        if (c.fault)
            c.fault(files);
        EXPECT_EQ(fwtest::InOutCodeOf([&] { WriteXpBonusFile(scratch.Narrow(), cells, files); }), c.expectedCode);

        EXPECT_EQ(Entries(folder), before);
        EXPECT_EQ(ReadBytes(folder + L"\\xpbonus.2da"), oldBytes);
        EXPECT_EQ(Entries(scratch.Path()), (std::vector<std::wstring>{L"override", L"xpbonus.lock"}))
            << "no back-up left behind";
        if (held)
            CloseHandle(held);
        if (c.expectedCode == 112) {
            // The locks row was built before the second block failed; the traps row was not.
            EXPECT_EQ(cells.Cell(kLocksColumn, 3), "0");
            EXPECT_EQ(cells.Cell(kTrapsColumn, 3), "");
        }
    }
}

TEST(XpBonusWriter, SuccessBoxIsOwnedByTheApplicationWindow)
{
    ScratchFolder scratch;
    HWND mainLike = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CellTable cells = StartingTable();
    testing_support::BoxWatcher watcher({mainLike});
    WriteXpBonus(scratch.Narrow(), cells);
    const auto& seen = watcher.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, fw::Widen(std::string("Файл таблицы опыта успешно создан!"_cp1251)));
    EXPECT_EQ(seen.caption, L"");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_INFORMATION));
    EXPECT_EQ(seen.owner, fw::Application::Instance().Handle());
    ASSERT_EQ(seen.enabled.size(), 1u);
    EXPECT_TRUE(seen.enabled[0]);
    DestroyWindow(mainLike);
}

// Another writer at work, and a replace that may not have happened, which names the back-up.
TEST(XpBonusWriter, TheWritersOwnFailuresInTheFailureBox)
{
    const game::WriterBusy busy;
    const game::ReplaceUnsure unsure(fw::EInOutError(64), game::Path(L"C:\\g\\b.2da"));
    EXPECT_EQ(WindowFailure(busy).Message(), std::string("Таблицу опыта этой игры сейчас записывает другая программа; "
                                                         "ничего не изменено, повторите чуть позже"_cp1251));
    EXPECT_EQ(WindowFailure(unsure).Message(), std::string("I/O error 64. Заменена ли таблица, узнать нельзя; прежняя "
                                                           "таблица сохранена в: C:\\g\\b.2da"_cp1251));
    EXPECT_EQ(WindowFailure(unsure).ErrorCode(), 64);
}

// A replace that raised yet happened: the success box, with the warning and its icon.
TEST(XpBonusWriter, AReplaceThatRaisedYetHappenedIsASuccessWithAWarning)
{
    ScratchFolder scratch;
    CellTable cells = StartingTable();
    gametest::RecordingFiles files(game::Path(scratch.Path()));
    files.failOn = "replace ";
    files.failAt = 1;
    files.failCode = 64;
    files.failAfter = true;
    testing_support::BoxWatcher watcher;
    WriteXpBonus(scratch.Narrow(), cells, files);
    const auto& seen = watcher.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, fw::Widen(std::string("Файл таблицы опыта успешно создан!\r\nСистема сообщила о сбое при "
                                               "замене, но файл заменён."_cp1251)));
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
}

TEST(XpBonusWriter, FailedWriteShowsNoSuccessBox)
{
    CellTable cells = StartingTable();
    testing_support::BoxWatcher watcher;
    EXPECT_EQ(fwtest::InOutCodeOf([&] { WriteXpBonus("C:\\bad|name", cells); }), fw::kIoInvalidFilename);
    fw::Application::Instance().ProcessMessages();
    EXPECT_FALSE(watcher.Seen().found);
}

}  // namespace
}  // namespace app
