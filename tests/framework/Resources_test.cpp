#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "framework/Cp1251.h"

namespace {

TEST(Resources, MainIconComesInThreeSizesWith256Colours)
{
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm = {};
        GetObjectW(info.hbmColor, sizeof(bm), &bm);
        EXPECT_EQ(bm.bmWidth, size) << "an exact picture of this size, not a rescaled one";
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // The icon directory lists 8-bit pictures.
    HRSRC group = FindResourceW(nullptr, L"MAINICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    const int count = dir[4] | (dir[5] << 8);
    ASSERT_EQ(count, 3);
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;
        EXPECT_EQ(entry[6] | (entry[7] << 8), 8) << "entry " << i;
    }
}

TEST(Resources, ManifestBringsCommonControlsSix)
{
    // Loading by name inside the process's activation context picks the manifest's
    // assembly. (Wine's copy reports 5.x from DllGetVersion, so look at where it came from.)
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& ch : lower)
        ch = static_cast<wchar_t>(towlower(ch));
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << fw::Narrow(lower);
    FreeLibrary(comctl);
}

}  // namespace
