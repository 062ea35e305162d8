// The program's version resource, read back the way the shell's file properties read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramPath.h"
#include "app/Version.h"
#include "framework/Cp1251.h"

namespace {

class VersionResource : public testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = apptest::ProgramPath();
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version resource in " << fw::Narrow(path);
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data_.data()));
    }

    const void* Query(const std::wstring& block, UINT* length = nullptr)
    {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(data_.data(), block.c_str(), &value, &size))
            return nullptr;
        if (length)
            *length = size;
        return value;
    }

    // A string of the Russian, UTF-16 string table.
    std::wstring String(const wchar_t* name)
    {
        UINT length = 0;
        auto* text = static_cast<const wchar_t*>(Query(std::wstring(L"\\StringFileInfo\\041904B0\\") + name, &length));
        return text ? std::wstring(text) : std::wstring(L"(missing)");
    }

    std::vector<BYTE> data_;
};

std::wstring VersionText(DWORD high, DWORD low)
{
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." + std::to_wstring(HIWORD(low));
}

TEST_F(VersionResource, NumbersAreTheProjectVersion)
{
    UINT length = 0;
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD high = MAKELONG(XP_VERSION_MINOR, XP_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, XP_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "no debug, pre-release or patched flag";
    // The text the properties page shows agrees with the numbers Windows Installer compares.
    EXPECT_EQ(VersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS), fw::Widen(XP_VERSION_TEXT));
}

TEST_F(VersionResource, StringTableIsRussianUnicode)
{
    UINT length = 0;
    auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0419) << "Russian";
    EXPECT_EQ(translation[1], 1200) << "UTF-16";
}

// The window program or the command, by the file's name: each describes itself.
std::wstring Description(const std::wstring& fileName)
{
    return _wcsicmp(fileName.c_str(), L"xptable.exe") == 0 ? L"Таблица опыта BG2 / BGT в командной строке"
                                                            : L"Редактор таблицы опыта для BG2 / BGT";
}

TEST_F(VersionResource, StringsNameTheProduct)
{
    const std::wstring version = fw::Widen(XP_VERSION_TEXT);
    const std::wstring path = apptest::ProgramPath();
    const std::wstring fileName = path.substr(path.find_last_of(L"\\/") + 1);
    const struct {
        const wchar_t* name;
        std::wstring expected;
    } cases[] = {
        {L"FileVersion", version},
        {L"ProductVersion", version},
        {L"ProductName", L"XP Table Editor"},
        {L"FileDescription", Description(fileName)},
        {L"OriginalFilename", fileName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fw::Narrow(c.name));
        EXPECT_EQ(String(c.name), c.expected);
    }
    const std::wstring copyright = String(L"LegalCopyright");
    EXPECT_EQ(copyright.rfind(L"© ", 0), 0u) << fw::Narrow(copyright);
    EXPECT_NE(copyright.find(L"XP Table Editor"), std::wstring::npos) << fw::Narrow(copyright);
}

}  // namespace

namespace {

// The manifest each program carries names Windows 7, 8, 8.1 and 10/11, so those run it with
// their own behaviour rather than the one kept for Vista's programs.
TEST(ProgramManifest, NamesWindows7To11)
{
    HMODULE file = LoadLibraryExW(apptest::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(file, nullptr);
    HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(file, found))),
                               SizeofResource(file, found));
    for (const char* id : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + id + "}\"/>"), std::string::npos) << id;
    }
    FreeLibrary(file);
}

}  // namespace
