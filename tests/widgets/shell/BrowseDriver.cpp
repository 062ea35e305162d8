#include "BrowseDriver.h"

#include "../../framework/InModalLoop.h"
#include "framework/Cp1251.h"

namespace shelltest {

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
    // A drive without a volume label shows as " (C:)".
    std::wstring s = text;
    size_t first = s.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : s.substr(first, s.find_last_not_of(L' ') - first + 1);
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

bool SelectPath(HWND tree, const std::vector<std::wstring>& names)
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
            return false;
        item = child;
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return true;
}

std::vector<std::wstring> TreeNamesOf(const std::wstring& path)
{
    std::vector<std::wstring> names{L"My Computer", L"(" + path.substr(0, 2) + L")"};
    size_t at = 3;
    while (at < path.size()) {
        size_t end = path.find(L'\\', at);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > at)
            names.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

bool WorkBrowser(const std::function<void()>& open, std::vector<std::function<void(HWND browse)>> steps)
{
    size_t next = 0;
    fwtest::InModalLoop driver([&] {
        HWND browse = fwtest::FindThreadDialog();
        if (!browse || !IsWindowVisible(browse))
            return false;
        steps[next++](browse);
        return next == steps.size();
    });
    open();
    return driver.Done();
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

void Confirm(HWND browse) { SendMessageW(GetDlgItem(browse, IDOK), BM_CLICK, 0, 0); }

void Cancel(HWND browse) { SendMessageW(GetDlgItem(browse, IDCANCEL), BM_CLICK, 0, 0); }

}  // namespace shelltest
