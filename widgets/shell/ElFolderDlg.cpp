#include "widgets/shell/ElFolderDlg.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/Application.h"
#include "framework/Cp1251.h"

namespace {

struct BrowseState {
    const TElFolderDialog* dialog;
    std::wstring title;
};

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message != BFFM_INITIALIZED)
        return 0;
    auto* state = reinterpret_cast<BrowseState*>(data);
    if (!state->title.empty())
        SetWindowTextW(window, state->title.c_str());
    if (state->dialog->DialogPosition == fdpScreenCenter) {
        RECT r;
        GetWindowRect(window, &r);
        int w = r.right - r.left, h = r.bottom - r.top;
        SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

}  // namespace

bool TElFolderDialog::Execute()
{
    BrowseState state{this, fw::Widen(Title)};
    std::wstring prompt = fw::Widen(Prompt);
    wchar_t display[MAX_PATH] = {};

    BROWSEINFOW info = {};
    info.hwndOwner = fw::Application::Instance().Handle();
    info.pszDisplayName = display;
    info.lpszTitle = prompt.c_str();
    if (Options & bfoFileSysDirsOnly)
        info.ulFlags |= BIF_RETURNONLYFSDIRS;
    if (Options & bfoDontGoBelowDomain)
        info.ulFlags |= BIF_DONTGOBELOWDOMAIN;
    if (Options & bfoFileSysAncestors)
        info.ulFlags |= BIF_RETURNFSANCESTORS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&state);

    fw::TaskWindowsDisabler disabled;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return false;
    wchar_t path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!ok)
        return false;
    folder_ = fw::Narrow(path);
    return true;
}
