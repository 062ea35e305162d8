#include "widgets/shell/ElShellUtils.h"

#include <cstdint>
#include <cstring>

#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "widgets/shell/ElUrlScheme.h"
#include "widgets/shell/ItemIdListSize.h"
#include "widgets/shell/ShellLibrary.h"

namespace {

// Releases an interface at exit.
template <typename I>
class Held {
public:
    ~Held()
    {
        if (p)
            p->Release();
    }
    I* p = nullptr;
};

// The platform's limit for a path, in UTF-16 units with the terminator.
const DWORD kLongestPath = 32768;

}  // namespace

int ShellFolderId(TShellFolders root)
{
    static const int kIds[] = {
        0xFEFE,
        CSIDL_DESKTOP,
        CSIDL_PROGRAMS,
        CSIDL_CONTROLS,
        CSIDL_PRINTERS,
        CSIDL_PERSONAL,
        CSIDL_FAVORITES,
        CSIDL_STARTUP,
        CSIDL_RECENT,
        CSIDL_SENDTO,
        CSIDL_BITBUCKET,
        CSIDL_STARTMENU,
        CSIDL_DESKTOPDIRECTORY,
        CSIDL_DRIVES,
        CSIDL_NETWORK,
        CSIDL_NETHOOD,
        CSIDL_FONTS,
        CSIDL_TEMPLATES,
        CSIDL_COMMON_STARTMENU,
        CSIDL_COMMON_PROGRAMS,
        CSIDL_COMMON_STARTUP,
        CSIDL_COMMON_DESKTOPDIRECTORY,
        CSIDL_APPDATA,
        CSIDL_PRINTHOOD,
        CSIDL_ALTSTARTUP,
        CSIDL_COMMON_ALTSTARTUP,
        CSIDL_COMMON_FAVORITES,
        CSIDL_INTERNET_CACHE,
        CSIDL_COOKIES,
        CSIDL_HISTORY,
        -1,
    };
    static_assert(sizeof(kIds) / sizeof(kIds[0]) == sfoCustom + 1, "one identifier per root");
    return root >= sfoDesktopExpanded && root <= sfoCustom ? kIds[root] : -1;
}

void EnsureComApartment()
{
    // Kept for the thread's life: the browser and the shell folders need it whenever they run.
    thread_local bool done = false;
    if (!done && ShellApi().CoInitializeEx) {
        ShellApi().CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        done = true;
    }
}

IMalloc* ShellMalloc()
{
    static Held<IMalloc> malloc;
    if (!malloc.p && ShellApi().SHGetMalloc && FAILED(ShellApi().SHGetMalloc(&malloc.p)))
        malloc.p = nullptr;
    return malloc.p;
}

IShellFolder* DesktopFolder()
{
    static Held<IShellFolder> desktop;
    if (!desktop.p && ShellApi().SHGetDesktopFolder) {
        EnsureComApartment();
        if (FAILED(ShellApi().SHGetDesktopFolder(&desktop.p)))
            desktop.p = nullptr;
    }
    return desktop.p;
}

void FreeIDList(LPITEMIDLIST& list)
{
    // An empty list needs no allocator, so freeing one never loads the shell.
    if (!list)
        return;
    IMalloc* malloc = ShellMalloc();
    if (!malloc)
        return;
    if (malloc->DidAlloc(list) == 1)
        malloc->Free(list);
    list = nullptr;
}

LPITEMIDLIST CopyIDList(LPCITEMIDLIST list)
{
    if (!list)
        return nullptr;
    IMalloc* malloc = ShellMalloc();
    if (!malloc)
        return nullptr;
    // A block of the allocator bounds the walk; for any other the list's own end must do.
    SIZE_T block = malloc->GetSize(const_cast<LPITEMIDLIST>(list));
    std::size_t limit = block == static_cast<SIZE_T>(-1) ? SIZE_MAX : block;
    std::size_t size = ItemIdListSize(reinterpret_cast<const unsigned char*>(list), limit);
    if (size == 0)
        return nullptr;
    void* copy = malloc->Alloc(size);
    if (copy)
        memcpy(copy, list, size);
    return static_cast<LPITEMIDLIST>(copy);
}

namespace {

// Whether `path` parses back to the same item: a platform that cuts a long path short
// still reports success.
bool NamesTheItem(const std::wstring& path, LPCITEMIDLIST list)
{
    IShellFolder* desktop = DesktopFolder();
    if (!desktop)
        return false;
    LPITEMIDLIST parsed = nullptr;
    ULONG eaten = 0;
    HRESULT hr = desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(path.c_str()), &eaten, &parsed, nullptr);
    bool same = SUCCEEDED(hr) && parsed && desktop->CompareIDs(0, list, parsed) == 0;
    FreeIDList(parsed);
    return same;
}

}  // namespace

bool PathFromIDList(LPCITEMIDLIST list, std::string& path)
{
    path.clear();
    if (!list || !ShellApi().SHGetPathFromIDListEx)
        return false;
    std::wstring wide(kLongestPath, L'\0');
    if (!ShellApi().SHGetPathFromIDListEx(list, wide.data(), kLongestPath, GPFIDL_DEFAULT))
        return false;
    wide.resize(wcslen(wide.c_str()));
    if (wide.empty() || (wide.size() >= MAX_PATH - 1 && !NamesTheItem(wide, list)))
        return false;
    path = fw::Narrow(wide);
    return true;
}

LPITEMIDLIST IDListFromPath(const std::string& path)
{
    if (path.empty())
        return nullptr;
    IShellFolder* desktop = DesktopFolder();
    if (!desktop)
        return nullptr;
    std::wstring wide = fw::Widen(path);
    LPITEMIDLIST list = nullptr;
    ULONG eaten = 0;
    HRESULT hr = desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, nullptr);
    if (FAILED(hr))
        FreeIDList(list);
    return list;
}

LPITEMIDLIST RootIDList(TShellFolders root, const std::string& customPath)
{
    if (root == sfoCustom)
        return customPath.empty() ? nullptr : IDListFromPath(customPath);
    if (!ShellApi().SHGetSpecialFolderLocation)
        return nullptr;
    EnsureComApartment();
    LPITEMIDLIST list = nullptr;
    if (FAILED(ShellApi().SHGetSpecialFolderLocation(nullptr, ShellFolderId(root), &list)))
        FreeIDList(list);
    return list;
}

bool LaunchURL(const std::string& url)
{
    if (!ShellApi().ShellExecuteExW)
        return false;
    const std::wstring file = fw::Widen(WithUrlScheme(url));
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // The process handle comes back for us to close; a DDE conversation may finish first.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT;
    info.hwnd = fw::Application::Instance().Handle();
    info.lpVerb = L"Open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;  // a browser started cold must not start hidden
    // Handlers the shell loads for a scheme may be COM objects.
    EnsureComApartment();
    const BOOL done = ShellApi().ShellExecuteExW(&info);
    // A launch handed to a running program returns no process.
    if (done && info.hProcess)
        CloseHandle(info.hProcess);
    return done != FALSE;
}
