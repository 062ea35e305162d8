// The shell operations on item lists, against the real shell.
#include "widgets/shell/ElShellUtils.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "../../framework/GuiTestUtil.h"
#include "BrowseDriver.h"
#include "framework/Cp1251.h"
#include "widgets/shell/ItemIdListSize.h"

namespace {

std::string PathOf(LPCITEMIDLIST list)
{
    std::string path;
    PathFromIDList(list, path);
    return path;
}

TEST(ShellItemLists, FreeAndCopy)
{
    LPITEMIDLIST none = nullptr;
    FreeIDList(none);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(CopyIDList(nullptr), nullptr);

    LPITEMIDLIST windows = IDListFromPath("C:\\windows");
    ASSERT_NE(windows, nullptr);
    LPITEMIDLIST copy = CopyIDList(windows);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, windows);
    const std::size_t size = ItemIdListSize(reinterpret_cast<const unsigned char*>(windows), SIZE_MAX);
    ASSERT_GT(size, 2u);
    EXPECT_EQ(std::memcmp(copy, windows, size), 0);
    EXPECT_EQ(PathOf(copy), "C:\\windows");
    FreeIDList(copy);
    EXPECT_EQ(copy, nullptr);
    FreeIDList(windows);

    // Bytes the allocator did not make are copied but never freed; the reference is cleared.
    static unsigned char outside[] = {4, 0, 'a', 'b', 0, 0};
    auto list = reinterpret_cast<LPITEMIDLIST>(outside);
    LPITEMIDLIST outsideCopy = CopyIDList(list);
    ASSERT_NE(outsideCopy, nullptr);
    EXPECT_EQ(std::memcmp(outsideCopy, outside, sizeof(outside)), 0);
    FreeIDList(outsideCopy);
    FreeIDList(list);
    EXPECT_EQ(list, nullptr);

    static unsigned char malformed[] = {1, 0, 0, 0};
    EXPECT_EQ(CopyIDList(reinterpret_cast<LPITEMIDLIST>(malformed)), nullptr);
}

TEST(ShellItemLists, PathsAndRoots)
{
    struct Case {
        const char* label;
        LPITEMIDLIST list;
        bool ok;
        std::string path;
    };
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    const Case cases[] = {
        {"none", nullptr, false, ""},
        {"drive root keeps its backslash", IDListFromPath("C:\\"), true, "C:\\"},
        {"folder", IDListFromPath("c:\\windows\\"), true, "C:\\windows"},
        {"desktop root", RootIDList(sfoDesktop, ""), true, fw::Narrow(desktop)},
        {"custom root", RootIDList(sfoCustom, "C:\\windows"), true, "C:\\windows"},
        {"my computer has no path", RootIDList(sfoMyComputer, ""), false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string path = "unset";
        EXPECT_EQ(PathFromIDList(c.list, path), c.ok);
        EXPECT_EQ(path, c.path);
        LPITEMIDLIST list = c.list;
        FreeIDList(list);
    }
    EXPECT_EQ(IDListFromPath(""), nullptr);
    EXPECT_EQ(IDListFromPath("C:\\no such folder"), nullptr);
    EXPECT_EQ(RootIDList(sfoDesktopExpanded, ""), nullptr) << "0xFEFE names no folder";
    EXPECT_EQ(RootIDList(sfoCustom, ""), nullptr);
    EXPECT_EQ(RootIDList(sfoCustom, "C:\\no such folder"), nullptr);
}

// Builds a folder's list one level at a time, as the browser's tree does (parsing a
// whole long path fails on some platforms); `path` is the folder the list reached.
LPITEMIDLIST ListByLevels(const std::wstring& base, const std::vector<std::wstring>& levels, std::wstring& path)
{
    path = base;
    LPITEMIDLIST list = IDListFromPath(fw::Narrow(base));
    for (const std::wstring& name : levels) {
        IShellFolder* folder = nullptr;
        if (FAILED(DesktopFolder()->BindToObject(list, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder))))
            break;
        IEnumIDList* items = nullptr;
        LPITEMIDLIST child = nullptr;
        if (SUCCEEDED(folder->EnumObjects(nullptr, SHCONTF_FOLDERS, &items)) && items) {
            ULONG got = 0;
            while (items->Next(1, &child, &got) == S_OK) {
                STRRET display = {};
                wchar_t text[MAX_PATH] = {};
                if (SUCCEEDED(folder->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FORPARSING, &display)) &&
                    SUCCEEDED(StrRetToBufW(&display, child, text, MAX_PATH)) && name == text)
                    break;
                CoTaskMemFree(child);
                child = nullptr;
            }
            items->Release();
        }
        folder->Release();
        if (!child)
            break;
        LPITEMIDLIST longer = ILCombine(list, child);
        CoTaskMemFree(child);
        FreeIDList(list);
        list = longer;
        path += L"\\" + name;
    }
    return list;
}

TEST(ShellItemLists, PathLongerThanTheOldBufferIsWholeOrRefused)
{
    const std::wstring name(50, L'd');
    std::vector<std::wstring> levels(6, name);
    fwtest::ScratchFolder scratch({}, fwtest::ScratchFolder::AtDriveRoot);
    std::wstring full = scratch.Path();
    for (const std::wstring& level : levels) {
        full += L"\\" + level;
        CreateDirectoryW((L"\\\\?\\" + full).c_str(), nullptr);
    }
    std::wstring reached;
    LPITEMIDLIST list = ListByLevels(scratch.Path(), levels, reached);
    ASSERT_GE(reached.size(), static_cast<size_t>(MAX_PATH)) << "Wine's tree goes one level past the old limit";
    std::string path = "unset";
    bool ok = PathFromIDList(list, path);
    // Wine gives a path cut at 259 characters and calls it success: that is refused.
    if (ok)
        EXPECT_EQ(path, fw::Narrow(reached));
    else
        EXPECT_EQ(path, "");
    FreeIDList(list);
    for (size_t n = levels.size(); n > 0; --n) {
        RemoveDirectoryW((L"\\\\?\\" + full).c_str());
        full.resize(full.size() - name.size() - 1);
    }
}

TEST(ShellItemLists, NameOutsideTheCodePageKeepsQuestionMarks)
{
    fwtest::ScratchFolder scratch({L"Caf\u00e9 \u00dcber \u0141\u00f3d\u017a"}, fwtest::ScratchFolder::AtDriveRoot);
    LPITEMIDLIST list = nullptr;
    ULONG eaten = 0;
    std::wstring wide = scratch.Path() + L"\\Caf\u00e9 \u00dcber \u0141\u00f3d\u017a";
    ASSERT_HRESULT_SUCCEEDED(
        DesktopFolder()->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, nullptr));
    EXPECT_EQ(PathOf(list), fw::Narrow(scratch.Path()) + "\\Caf? ?ber ??d?") << "no look-alike letters";
    FreeIDList(list);
}

}  // namespace
