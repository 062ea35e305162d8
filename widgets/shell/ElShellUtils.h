// Shell operations: the shell allocator, the desktop folder, conversions between
// file-system paths and shell item identifier lists, the special-folder roots, and
// opening an address.
// Every shell and COM call of the program goes through ShellLibrary.h, which loads those
// libraries only once a shell service is first asked for; without them each operation
// here fails as its comment says.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

// Roots of the folder browser; the order is the stored ordinal.
enum TShellFolders {
    sfoDesktopExpanded,
    sfoDesktop,
    sfoPrograms,
    sfoControlPanel,
    sfoPrinters,
    sfoPersonal,
    sfoFavorites,
    sfoStartup,
    sfoRecent,
    sfoSendto,
    sfoRecycleBin,
    sfoStartMenu,
    sfoDesktopDirectory,
    sfoMyComputer,
    sfoNetwork,
    sfoNetworkNeighborhood,
    sfoFonts,
    sfoTemplates,
    sfoCommonStartMenu,
    sfoCommonPrograms,
    sfoCommonStartup,
    sfoCommonDesktopDirectory,
    sfoAppData,
    sfoPrintHood,
    sfoAltStartUp,
    sfoCommonAltStartUp,
    sfoCommonFavorites,
    sfoInternetCache,
    sfoCookies,
    sfoHistory,
    sfoCustom,
};

// The special-folder identifier of a root; 0xFEFE (no folder) for sfoDesktopExpanded,
// -1 for sfoCustom, whose root is parsed from a path.
int ShellFolderId(TShellFolders root);

// Puts this thread into a single-threaded COM apartment unless it already is in one;
// the shell's browser and folders need it. Cheap after the first call.
void EnsureComApartment();

// The shell allocator and the desktop folder, fetched on first use and kept until the
// program ends; nullptr when the shell gives none.
IMalloc* ShellMalloc();
IShellFolder* DesktopFolder();

// Frees a list through the shell allocator, only when the allocator says it made it,
// and sets the reference to none. Without an allocator nothing happens.
void FreeIDList(LPITEMIDLIST& list);
// A copy made by the shell allocator; none for none, without an allocator, or for bytes
// that hold no whole list.
LPITEMIDLIST CopyIDList(LPCITEMIDLIST list);
// The item's file-system path in code page 1251: a drive root keeps its trailing
// backslash, any other folder has none. False with an empty text for none, for an item
// without a path, and for a path the platform can only give cut short.
bool PathFromIDList(LPCITEMIDLIST list, std::string& path);
// The list of an existing file-system path (code page 1251); none for an empty text,
// a path that does not parse, or without a desktop folder.
LPITEMIDLIST IDListFromPath(const std::string& path);
// The list of a browser root: parsed from `customPath` for sfoCustom, otherwise the
// special folder's; none when it names no folder (the browser then shows the whole tree).
LPITEMIDLIST RootIDList(TShellFolders root, const std::string& customPath);

// Owns one item list and frees it with FreeIDList.
class ItemIdList {
public:
    ItemIdList() = default;
    explicit ItemIdList(LPITEMIDLIST list) : list_(list) {}
    ~ItemIdList() { FreeIDList(list_); }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;

    LPITEMIDLIST Get() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }
    void Reset(LPITEMIDLIST list = nullptr)
    {
        FreeIDList(list_);
        list_ = list;
    }

private:
    LPITEMIDLIST list_ = nullptr;
};

// Opens an address (code page 1251) with the shell's "Open" verb, visible, after adding
// the scheme an address without one needs (WithUrlScheme); true when the shell took it.
// Nothing of ours is shown on failure; the shell may show its own message.
bool LaunchURL(const std::string& url);
