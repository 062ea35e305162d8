#include "BrowseDriver.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "../../framework/InModalLoop.h"
#include "framework/Cp1251.h"

namespace shelltest {

namespace {

std::wstring Trimmed(const std::wstring& s)
{
    size_t first = s.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : s.substr(first, s.find_last_not_of(L' ') - first + 1);
}

// The name the browser's tree shows for an item: the normal name its parent folder gives it.
std::wstring NameOf(LPITEMIDLIST absolute)
{
    std::wstring name;
    IShellFolder* parent = nullptr;
    LPCITEMIDLIST child = nullptr;
    if (absolute && SUCCEEDED(SHBindToParent(absolute, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child))) {
        STRRET text;
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(parent->GetDisplayNameOf(child, SHGDN_NORMAL, &text)) &&
            SUCCEEDED(StrRetToBufW(&text, child, buffer, MAX_PATH)))
            name = Trimmed(buffer);
        parent->Release();
    }
    CoTaskMemFree(absolute);
    return name;
}

// The shell's objects need COM on this thread; the count of initialisations is never undone.
void ComReady()
{
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com;
}

std::string Listed(const std::vector<std::wstring>& names)
{
    testing::Message text;
    text << "[";
    for (size_t i = 0; i < names.size(); ++i)
        text << (i ? ", \"" : "\"") << names[i] << "\"";
    text << "]";
    return text.GetString();
}

// Expands and selects the items named (case-blind) from the root's children down; stops at
// the first name missing.
void SelectPath(HWND tree, const std::vector<std::wstring>& names)
{
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (const std::wstring& name : names) {
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        auto child = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        while (child && _wcsicmp(ItemText(tree, child).c_str(), name.c_str()) != 0)
            child = reinterpret_cast<HTREEITEM>(
                SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
        if (!child)
            return;
        item = child;
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

// Whether the tree's selection is the item named; if not, the browser is cancelled (so
// nothing the test does next acts on a folder it did not ask for) and the test fails.
bool KeptIfSelected(HWND browse, const std::vector<std::wstring>& names, const char* when)
{
    const std::vector<std::wstring> selected = SelectedPath(TreeOf(browse));
    if (!names.empty() && selected == names)
        return true;
    Cancel(browse);
    ADD_FAILURE() << when << ": the browser's selection is " << Listed(selected) << ", not " << Listed(names)
                  << "; the browser was cancelled";
    return false;
}

}  // namespace

HWND TreeOf(HWND browse) { return FindWindowExW(browse, nullptr, WC_TREEVIEWW, nullptr); }

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[512] = {};
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = 512;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return Trimmed(text);  // a drive without a volume label shows as " (C:)"
}

std::vector<std::wstring> SelectedPath(HWND tree)
{
    std::vector<std::wstring> path;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT,
                                                                    reinterpret_cast<LPARAM>(item))))
        path.insert(path.begin(), ItemText(tree, item));
    if (!path.empty())
        path.erase(path.begin());  // the root, as SelectPath takes the names
    return path;
}

std::wstring ShellName(int csidl)
{
    ComReady();
    LPITEMIDLIST list = nullptr;
    return SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) ? NameOf(list) : std::wstring();
}

std::wstring ShellName(const std::wstring& path)
{
    ComReady();
    LPITEMIDLIST list = nullptr;
    return SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr)) ? NameOf(list) : std::wstring();
}

std::vector<std::wstring> TreeNamesOf(const std::wstring& path)
{
    // My Computer, then every folder from the drive's root down: C:\, C:\a, C:\a\b.
    std::vector<std::wstring> names{ShellName(CSIDL_DRIVES), ShellName(path.substr(0, 3))};
    for (size_t at = 3; at < path.size();) {
        size_t end = path.find(L'\\', at);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > at)
            names.push_back(ShellName(path.substr(0, end)));
        at = end + 1;
    }
    for (const std::wstring& name : names)
        if (name.empty())
            return {};
    return names;
}

bool Select(HWND browse, const std::vector<std::wstring>& names)
{
    SelectPath(TreeOf(browse), names);
    return KeptIfSelected(browse, names, "selecting");
}

bool ConfirmSelection(HWND browse, const std::vector<std::wstring>& names)
{
    if (!KeptIfSelected(browse, names, "before confirming"))
        return false;
    SendMessageW(GetDlgItem(browse, IDOK), BM_CLICK, 0, 0);
    return true;
}

bool WorkBrowser(const std::function<void()>& open, std::vector<std::function<void(HWND browse)>> steps)
{
    size_t next = 0;
    // The watch goes on after the last step: a browser the steps leave open is cancelled at
    // the loop's time limit, and the test fails instead of waiting for ever.
    fwtest::InModalLoop driver([&] {
        HWND browse = fwtest::FindThreadDialog();
        if (browse && IsWindowVisible(browse) && next < steps.size())
            steps[next++](browse);
        return false;
    });
    open();
    if (driver.TimedOut())
        ADD_FAILURE() << "the browser was still open after " << next << " of " << steps.size()
                      << " steps; it was cancelled";
    return next == steps.size();
}

bool RunBrowser(TElFolderDialog& dialog, std::vector<std::function<void(HWND browse)>> steps)
{
    bool confirmed = false;
    WorkBrowser([&] { confirmed = dialog.Execute(); }, std::move(steps));
    return confirmed;
}

SelectionSends::SelectionSends()
{
    active_ = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
}

SelectionSends::~SelectionSends()
{
    UnhookWindowsHookEx(hook_);
    active_ = nullptr;
}

LRESULT CALLBACK SelectionSends::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && active_ && sent->message == BFFM_SETSELECTIONW) {
        std::string path;
        if (sent->wParam)
            path = fw::Narrow(reinterpret_cast<const wchar_t*>(sent->lParam));
        else
            PathFromIDList(reinterpret_cast<LPCITEMIDLIST>(sent->lParam), path);
        active_->paths.push_back(path);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Cancel(HWND browse) { SendMessageW(GetDlgItem(browse, IDCANCEL), BM_CLICK, 0, 0); }

}  // namespace shelltest
