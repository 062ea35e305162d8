// The folder dialog run for real: the shell's browser driven from inside its modal loop
// with tree-view messages and its own buttons, its state read back.
#include "widgets/shell/ElFolderDlg.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../../framework/GuiTestUtil.h"
#include "BrowseDriver.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Form.h"
#include "widgets/shell/ElFolderGeometry.h"

namespace {

using namespace fw::literals;
using shelltest::RunBrowser;
using shelltest::Select;
using shelltest::SelectedPath;
using shelltest::ShellName;
using shelltest::TreeNamesOf;
using shelltest::TreeOf;

const TBrowseForFolderOptions kProgramOptions{bfoFileSysDirsOnly, bfoDontGoBelowDomain, bfoFileSysAncestors};

const int kPromptId = 0x3742;
const int kStatusId = 0x3743;

RECT WindowRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

TEST(FolderDialogRun, ConfirmedFolderReadsInTheShellsFormAndIsPreselectedNextRun)
{
    fwtest::ScratchFolder scratch({L"deep", L"deep\\er", L"deep\\er\\still"}, fwtest::ScratchFolder::AtDriveRoot);
    const std::wstring deep = scratch.Path() + L"\\deep\\er\\still";
    struct Case {
        const char* label;
        std::wstring path;
        std::string folder;
        // Wine's browser selects nothing for some deeper folders: there the list sent is what counts.
        bool treeShowsPreselection;
    };
    const Case cases[] = {
        {"drive root", L"C:\\", "C:\\", true},
        {"system folder", L"C:\\windows\\system32", "C:\\windows\\system32", true},
        {"deep new folder", deep, fw::Narrow(deep), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TElFolderDialog dialog;
        dialog.Options = kProgramOptions;
        const std::vector<std::wstring> names = TreeNamesOf(c.path);
        std::vector<std::wstring> firstSelection = {L"unread"}, secondSelection;
        shelltest::SelectionSends sends;
        bool confirmed = RunBrowser(dialog, {
            [&](HWND browse) {
                firstSelection = SelectedPath(TreeOf(browse));
                Select(browse, names);
            },
            [&](HWND browse) { shelltest::ConfirmSelection(browse, names); },
        });
        EXPECT_TRUE(confirmed);
        EXPECT_TRUE(firstSelection.empty()) << "nothing preselected on the first run";
        EXPECT_EQ(dialog.Folder(), c.folder);
        // The first selection of a run is sent back to the browser once.
        EXPECT_EQ(sends.paths, std::vector<std::string>{c.folder});

        sends.paths.clear();
        bool again = RunBrowser(dialog, {
            [&](HWND browse) {
                secondSelection = SelectedPath(TreeOf(browse));
                shelltest::Cancel(browse);
            },
        });
        EXPECT_FALSE(again);
        EXPECT_EQ(sends.paths, std::vector<std::string>{c.folder}) << "the preselection, exactly once";
        if (c.treeShowsPreselection) {
            EXPECT_EQ(secondSelection, names);
        }
        EXPECT_EQ(dialog.Folder(), c.folder);
    }
}

TEST(FolderDialogRun, CancelAfterMovingTheSelectionRestoresFolder)
{
    TElFolderDialog dialog;
    dialog.Options = kProgramOptions;
    dialog.SetFolder("C:\\windows");
    std::string during;
    int changes = 0;
    dialog.OnChange = [&](fw::Component* sender) {
        EXPECT_EQ(sender, &dialog);
        ++changes;
    };
    bool confirmed = RunBrowser(dialog, {
        [&](HWND browse) {
            changes = 0;
            Select(browse, TreeNamesOf(L"C:\\"));
            during = dialog.Folder();
            EXPECT_EQ(changes, 1) << "one selection, one change";
        },
        shelltest::Cancel,
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(during, "C:\\") << "Folder follows the highlight while the browser is open";
    EXPECT_EQ(dialog.Folder(), "C:\\windows");
}

TEST(FolderDialogRun, FolderWritesParseOnlyExistingFolders)
{
    struct Case {
        const char* label;
        std::string written;
        std::string read;
        int changes;
    };
    const Case cases[] = {
        {"trailing backslash", "C:\\windows\\", "C:\\windows", 1},
        {"letter case", "c:\\WINDOWS\\System32", "C:\\windows\\system32", 1},
        {"drive root", "c:\\", "C:\\", 1},
        {"missing folder", "C:\\no such folder", "C:\\no such folder", 0},
        {"bad text", "C:\\a|b", "C:\\a|b", 0},
        {"empty", "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TElFolderDialog dialog;
        dialog.SetFolder("C:\\");  // a current item that each write replaces
        int changes = 0;
        dialog.OnChange = [&](fw::Component*) { ++changes; };
        dialog.SetFolder(c.written);
        EXPECT_EQ(dialog.Folder(), c.read);
        EXPECT_EQ(changes, c.changes);
    }

    // A folder that is not there gives the next run nothing to preselect.
    TElFolderDialog dialog;
    dialog.Options = kProgramOptions;
    dialog.SetFolder("C:\\no such folder");
    shelltest::SelectionSends sends;
    std::vector<std::wstring> selection = {L"unread"};
    EXPECT_FALSE(RunBrowser(dialog, {[&](HWND browse) {
        selection = SelectedPath(TreeOf(browse));
        shelltest::Cancel(browse);
    }}));
    EXPECT_TRUE(selection.empty());
    EXPECT_TRUE(sends.paths.empty());
    EXPECT_EQ(dialog.Folder(), "C:\\no such folder");
}

TEST(FolderDialogRun, RootFolders)
{
    struct Case {
        const char* label;
        TShellFolders root;
        std::string custom;
        std::wstring treeRoot;  // as the shell names it in the user's language
    };
    const Case cases[] = {
        {"expanded desktop", sfoDesktopExpanded, "", ShellName(CSIDL_DESKTOP)},
        {"custom without a path", sfoCustom, "", ShellName(CSIDL_DESKTOP)},
        {"custom folder", sfoCustom, "C:\\windows", ShellName(L"C:\\windows")},
        {"my computer", sfoMyComputer, "", ShellName(CSIDL_DRIVES)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TElFolderDialog dialog;
        dialog.RootFolder = c.root;
        dialog.CustomRootFolder = c.custom;
        std::wstring root;
        RunBrowser(dialog, {[&](HWND browse) {
            HWND tree = TreeOf(browse);
            root = shelltest::ItemText(tree, TreeView_GetRoot(tree));
            shelltest::Cancel(browse);
        }});
        EXPECT_EQ(root, c.treeRoot);
    }
}

TEST(FolderDialogRun, CaptionPromptAndPlacement)
{
    fw::Form owner;
    owner.SetBounds(37, 41, 300, 200);
    owner.Show();
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const int vx = GetSystemMetrics(SM_CXVIRTUALSCREEN), vy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const RECT form = WindowRect(owner.Handle());
    struct Case {
        const char* label;
        TFolderDialogPosition position;
        fw::Component* owner;
        std::string title;
        // The expected top-left corner for a window of w by h.
        POINT (*origin)(int w, int h, int cx, int cy, int vx, int vy, RECT form);
    };
    const Case cases[] = {
        {"screen", fdpScreenCenter, nullptr, std::string("Выбор каталога..."_cp1251),
         [](int w, int h, int cx, int cy, int, int, RECT) { return POINT{(cx - w) / 2, (cy - h) / 2}; }},
        {"desktop", fdpDesktopCenter, nullptr, "Desktop",
         [](int w, int h, int, int, int vx, int vy, RECT) { return POINT{(vx - w) / 2, (vy - h) / 2}; }},
        {"owner form", fdpOwnerFormCenter, &owner, "Owner",
         [](int w, int h, int, int, int, int, RECT f) {
             return POINT{std::max(0L, (f.right - f.left - w) / 2 + f.left),
                          std::max(0L, (f.bottom - f.top - h) / 2 + f.top)};
         }},
        {"no main form", fdpMainFormCenter, nullptr, "",
         [](int w, int h, int cx, int cy, int, int, RECT) { return POINT{(cx - w) / 2, (cy - h) / 2}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto dialog = std::make_unique<TElFolderDialog>(c.owner);
        dialog->DialogTitle = c.title;
        dialog->Prompt = std::string("Укажите расположение каталога с игрой:"_cp1251);
        dialog->Position = c.position;
        std::wstring caption = L"unread", prompt;
        RECT placed = {};
        RunBrowser(*dialog, {[&](HWND browse) {
            caption = shelltest::TextOf(browse);
            prompt = shelltest::TextOf(GetDlgItem(browse, kPromptId));
            placed = WindowRect(browse);
            shelltest::Cancel(browse);
        }});
        EXPECT_EQ(caption, fw::Widen(c.title)) << "set even when empty";
        EXPECT_EQ(prompt, fw::Widen(dialog->Prompt));
        POINT expected = c.origin(placed.right - placed.left, placed.bottom - placed.top, cx, cy, vx, vy, form);
        EXPECT_EQ(placed.left, expected.x);
        EXPECT_EQ(placed.top, expected.y);
    }
}

TEST(FolderDialogRun, WindowLargerThanTheScreenGoesToTheCorner)
{
    TElFolderDialog dialog;
    dialog.Position = fdpScreenCenter;
    dialog.SetFolder("C:\\");
    // The preselection's change comes before the window is placed: grow it there (the
    // platform may cap the size a little above the screen's).
    RECT grown = {};
    dialog.OnChange = [&](fw::Component*) {
        if (!dialog.Handle())
            return;
        SetWindowPos(dialog.Handle(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN) + 200,
                     GetSystemMetrics(SM_CYSCREEN) + 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        grown = WindowRect(dialog.Handle());
    };
    RECT placed = {};
    RunBrowser(dialog, {[&](HWND browse) {
        placed = WindowRect(browse);
        shelltest::Cancel(browse);
    }});
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    ASSERT_GT(grown.right - grown.left, GetSystemMetrics(SM_CXSCREEN));
    ASSERT_GT(grown.bottom - grown.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(placed.right - placed.left, grown.right - grown.left) << "the size stays";
    EXPECT_EQ(placed.bottom - placed.top, grown.bottom - grown.top);
}

TEST(FolderDialogRun, StatusTextAndShownPath)
{
    TElFolderDialog dialog;
    dialog.Options = {bfoFileSysDirsOnly, bfoStatusText, bfoShowPath};
    dialog.SetStatusText("ready");
    std::wstring atStart, written, shownPath;
    RunBrowser(dialog, {
        [&](HWND browse) {
            atStart = shelltest::TextOf(GetDlgItem(browse, kStatusId));
            dialog.SetStatusText(std::string("Поиск"_cp1251));
            written = shelltest::TextOf(GetDlgItem(browse, kStatusId));
            Select(browse, TreeNamesOf(L"C:\\windows"));
            shownPath = shelltest::TextOf(GetDlgItem(browse, kStatusId));
        },
        shelltest::Cancel,
    });
    EXPECT_EQ(atStart, L"ready");
    EXPECT_EQ(written, fw::Widen(std::string("Поиск"_cp1251)));
    EXPECT_EQ(shownPath, L"C:\\windows");
    EXPECT_EQ(dialog.StatusText(), std::string("Поиск"_cp1251));
}

TEST(FolderDialogRun, CustomButton)
{
    for (bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "not shown");
        TElFolderDialog dialog;
        dialog.ShowCustomButton = shown;
        dialog.CustomButtonCaption = std::string("Сеть"_cp1251);
        int clicks = 0;
        dialog.OnCustomButtonClick = [&](fw::Component* sender) {
            EXPECT_EQ(sender, &dialog);
            ++clicks;
        };
        HWND button = nullptr;
        RECT bounds = {}, client = {};
        RunBrowser(dialog, {[&](HWND browse) {
            button = FindWindowExW(browse, nullptr, L"Button", fw::Widen(dialog.CustomButtonCaption).c_str());
            GetClientRect(browse, &client);
            if (button) {
                GetWindowRect(button, &bounds);
                MapWindowPoints(nullptr, browse, reinterpret_cast<POINT*>(&bounds), 2);
                SendMessageW(button, BM_CLICK, 0, 0);
            }
            shelltest::Cancel(browse);
        }});
        ASSERT_EQ(button != nullptr, shown);
        if (!shown)
            continue;
        const LONG units = GetDialogBaseUnits();
        FolderDialogRect expected = CustomButtonBounds(LOWORD(units), HIWORD(units), client.right, client.bottom);
        EXPECT_EQ((FolderDialogRect{bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top}),
                  expected);
        EXPECT_EQ(clicks, 1);
        EXPECT_FALSE(IsWindow(button)) << "gone with the browser";
    }
}

TEST(FolderDialogRun, SubclassedWindowPassesOnClosesOnceAndBlocksTheProgram)
{
    fw::Form program;
    program.SetBounds(10, 10, 200, 100);
    program.Show();
    TElFolderDialog dialog;
    int closes = 0;
    bool windowAtClose = false;
    dialog.OnClose = [&](fw::Component*) {
        ++closes;
        windowAtClose = IsWindow(dialog.Handle()) != FALSE;
    };
    LRESULT defId = 0;
    bool secondRun = true, programEnabled = true;
    RunBrowser(dialog, {[&](HWND browse) {
        // Answered by the shell's own dialog procedure under ours.
        defId = SendMessageW(browse, DM_GETDEFID, 0, 0);
        secondRun = dialog.Execute();
        programEnabled = IsWindowEnabled(program.Handle()) != FALSE;
        shelltest::Cancel(browse);
    }});
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), IDOK);
    EXPECT_FALSE(secondRun) << "no second browser while one is open";
    EXPECT_FALSE(programEnabled);
    EXPECT_TRUE(IsWindowEnabled(program.Handle()));
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(windowAtClose);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(FolderDialogRun, FreedWhileOpenClosesTheBrowserAsCancelled)
{
    auto* dialog = new TElFolderDialog;
    dialog->SetFolder("C:\\windows");
    HWND browse = nullptr;
    bool confirmed = RunBrowser(*dialog, {[&](HWND window) {
        browse = window;
        delete dialog;
    }});
    EXPECT_FALSE(confirmed);
    ASSERT_NE(browse, nullptr);
    EXPECT_FALSE(IsWindow(browse));
}

TEST(FolderDialogRun, ConfirmedItemWithoutAPathIsNoAnswer)
{
    TElFolderDialog dialog;  // without bfoFileSysDirsOnly the browser lets My Computer be chosen
    dialog.SetFolder("C:\\windows");
    const std::vector<std::wstring> myComputer{ShellName(CSIDL_DRIVES)};
    bool confirmed = RunBrowser(dialog, {
        [&](HWND browse) { Select(browse, myComputer); },
        [&](HWND browse) { shelltest::ConfirmSelection(browse, myComputer); },
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(dialog.Folder(), "C:\\windows");
}

// The driver's guard: a browser whose selection is not the item asked for is cancelled,
// never confirmed, and the test fails right there.
TEST(FolderDialogRun, DriverCancelsABrowserWhoseSelectionIsNotTheItemAskedFor)
{
    const std::vector<std::wstring> windows = TreeNamesOf(L"C:\\windows");
    struct Case {
        const char* label;
        std::function<bool(HWND browse)> step;
    };
    const Case cases[] = {
        {"a name missing", [](HWND b) { return Select(b, {ShellName(CSIDL_DRIVES), L"no such drive"}); }},
        {"moved before confirming",
         [&](HWND b) { return Select(b, TreeNamesOf(L"C:\\")) && shelltest::ConfirmSelection(b, windows); }},
        {"a path the shell does not know",
         [](HWND b) { return shelltest::ConfirmSelection(b, TreeNamesOf(L"C:\\no such folder")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TElFolderDialog dialog;
        dialog.SetFolder("C:\\windows");
        bool stepped = true, confirmed = true;
        EXPECT_NONFATAL_FAILURE(confirmed = RunBrowser(dialog, {[&](HWND b) { stepped = c.step(b); }}),
                                "the browser was cancelled");
        EXPECT_FALSE(stepped);
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(dialog.Folder(), "C:\\windows");
    }
}

}  // namespace
