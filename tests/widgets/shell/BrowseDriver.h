// Drives the shell's folder browser from a test: its tree, its buttons, its texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/shell/ElFolderDlg.h"

namespace shelltest {

HWND TreeOf(HWND browse);
std::wstring TextOf(HWND window);
// An item's text without leading and trailing spaces.
std::wstring ItemText(HWND tree, HTREEITEM item);
// The texts below the tree's root down to the selected item; empty with no selection
// (or with the root selected).
std::vector<std::wstring> SelectedPath(HWND tree);
// The name the shell shows for a special folder (CSIDL_DESKTOP, CSIDL_DRIVES) or a folder
// by its path, in the user's language, without leading and trailing spaces.
std::wstring ShellName(int csidl);
std::wstring ShellName(const std::wstring& path);
// The names of a folder in the tree under the desktop, as the shell shows them: My
// Computer, the drive, the folders. Empty when the shell does not know the path.
std::vector<std::wstring> TreeNamesOf(const std::wstring& path);
// Expands and selects the items named (case-blind) from the root's children down, with
// tree-view messages, then checks that the tree's selection is that item. When it is not,
// the browser is cancelled and the test fails here: false.
bool Select(HWND browse, const std::vector<std::wstring>& names);
// Presses OK when the tree's selection is the item named; otherwise cancels the browser
// and the test fails here: false. Nothing confirms a browser unchecked.
bool ConfirmSelection(HWND browse, const std::vector<std::wstring>& names);
// Calls `open`, which shows a browser, and does `steps` one per timer tick once it shows;
// the last step should confirm or cancel (a browser left open is cancelled at a time limit,
// and the test fails). True when every step ran.
bool WorkBrowser(const std::function<void()>& open, std::vector<std::function<void(HWND browse)>> steps);
// WorkBrowser around Execute; returns Execute's result.
bool RunBrowser(TElFolderDialog& dialog, std::vector<std::function<void(HWND browse)>> steps);

// Records what is sent to windows of this thread with BFFM_SETSELECTIONW: the path of
// each item list (the text itself for a path).
class SelectionSends {
public:
    SelectionSends();
    ~SelectionSends();
    SelectionSends(const SelectionSends&) = delete;
    SelectionSends& operator=(const SelectionSends&) = delete;
    std::vector<std::string> paths;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static inline SelectionSends* active_ = nullptr;
    HHOOK hook_ = nullptr;
};

// Presses Cancel.
void Cancel(HWND browse);

}  // namespace shelltest
