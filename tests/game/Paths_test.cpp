#include "game/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "game/FileSystem.h"
#include "game/Spellings.h"
#include "tests/game/TempFolder.h"

namespace {

using game::BasicPath;
using game::PosixStyle;
using game::WindowsStyle;
using PosixPath = BasicPath<PosixStyle>;
using WindowsPath = BasicPath<WindowsStyle>;

TEST(Paths, JoinAsTheSystemDoes)
{
    const struct {
        const char *path, *name, *joined;
    } posix[] = {{"a", "b", "a/b"}, {"a/", "b", "a/b"}, {"", "b", "b"}, {"/", "b", "/b"}, {"a", "/b", "/b"}};
    for (const auto& c : posix)
        EXPECT_EQ((PosixPath(c.path) / c.name).native(), c.joined) << c.path << " / " << c.name;
    const struct {
        const wchar_t *path, *name, *joined;
    } windows[] = {
        {L"C:\\a", L"b", L"C:\\a\\b"},     {L"C:\\", L"b", L"C:\\b"},      {L"C:/a/", L"b", L"C:/a/b"},
        {L"C:", L"b", L"C:b"},             {L"a", L"C:\\b", L"C:\\b"},     {L"a", L"\\b", L"\\b"},
        {L"\\\\srv\\share", L"x", L"\\\\srv\\share\\x"}, {L"\\\\?\\C:", L"x", L"\\\\?\\C:\\x"},
    };
    for (const auto& c : windows)
        EXPECT_EQ((WindowsPath(c.path) / c.name).native(), c.joined);
}

template <class Path>
void ExpectParts(const Path& path, const Path& parent, const Path& filename, const Path& extension)
{
    SCOPED_TRACE(game::ToUtf8(path));
    EXPECT_EQ(path.parent_path().native(), parent.native());
    EXPECT_EQ(path.filename().native(), filename.native());
    EXPECT_EQ(path.extension().native(), extension.native());
}

TEST(Paths, ParentFileNameAndExtension)
{
    const struct {
        const char *path, *parent, *filename, *extension;
    } posix[] = {
        {"/g/override/xpbonus.2da", "/g/override", "xpbonus.2da", ".2da"},
        {"/g", "/", "g", ""},
        {"/", "/", "", ""},
        {"g", "", "g", ""},
        {"g/backup/", "g/backup", "", ""},
        {"a//b", "a", "b", ""},
        {"a/.hidden", "a", ".hidden", ""},
        {"a/x.b.none", "a", "x.b.none", ".none"},
        {"a/..", "a", "..", ""},
    };
    for (const auto& c : posix)
        ExpectParts<PosixPath>(c.path, c.parent, c.filename, c.extension);
    const struct {
        const wchar_t *path, *parent, *filename, *extension;
    } windows[] = {
        {L"C:\\Games\\BG2", L"C:\\Games", L"BG2", L""},
        {L"C:\\Games", L"C:\\", L"Games", L""},
        {L"C:\\", L"C:\\", L"", L""},  // a drive root is its own parent
        {L"C:", L"C:", L"", L""},
        {L"C:/a/b.2DA", L"C:/a", L"b.2DA", L".2DA"},
        {L"\\\\srv\\share\\BG2", L"\\\\srv\\share", L"BG2", L""},
        {L"\\\\srv\\share", L"\\\\srv\\", L"share", L""},
        {L"\\\\?\\C:\\a", L"\\\\?\\C:\\", L"a", L""},
        {L"\\\\?\\C:\\", L"\\\\?\\C:\\", L"", L""},
        {L"\\\\?\\UNC\\srv\\share\\x", L"\\\\?\\UNC\\srv\\share", L"x", L""},
    };
    for (const auto& c : windows)
        ExpectParts<WindowsPath>(c.path, c.parent, c.filename, c.extension);
}

TEST(Paths, CompareNameByName)
{
    EXPECT_EQ(PosixPath("a//b"), PosixPath("a/b"));
    EXPECT_EQ(WindowsPath(L"C:/a\\b"), WindowsPath(L"C:\\a/b"));
    EXPECT_NE(WindowsPath(L"C:\\a"), WindowsPath(L"C:\\A"));  // letter case counts, as it does there
    // By names, not by characters: '-' sorts before '/', yet "a/b" comes before "a-b"; a
    // relative path before one with a root.
    std::vector<PosixPath> paths = {"a-b", "a/b", "a", "/z", "a/b/c"};
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> order;
    for (const PosixPath& p : paths)
        order.push_back(p.native());
    EXPECT_EQ(order, (std::vector<std::string>{"a", "a/b", "a/b/c", "a-b", "/z"}));
}

TEST(Paths, Utf8BothWays)
{
    const std::string cyrillic = "C:\\Игры\\БГ2";
    EXPECT_EQ(WindowsStyle::FromUtf8(cyrillic), L"C:\\\x418\x433\x440\x44b\\\x411\x413\x32");
    EXPECT_EQ(game::ToUtf8(WindowsPath(WindowsStyle::FromUtf8(cyrillic))), cyrillic);
    EXPECT_EQ(game::ToUtf8(PosixPath("/Игры/\xff")), "/Игры/\xff");  // POSIX names are bytes
    const struct {
        std::wstring wide;
        std::string utf8;
    } cases[] = {
        {L"x\xD800y", "x\xEF\xBF\xBDy"},             // a lone high surrogate
        {L"\xDC00", "\xEF\xBF\xBD"},                 // a lone low surrogate
        {L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},       // a pair
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsStyle::ToUtf8(c.wide), c.utf8);
    EXPECT_EQ(WindowsStyle::FromUtf8("a\xC0\xAF" "b"), L"a\xFFFD\xFFFD" L"b");
}

TEST(Paths, NamesCompareIgnoringAsciiCaseOnly)
{
    EXPECT_TRUE(game::SameNameIgnoringCase("xpbonus.2da", "XPBonus.2DA"));
    EXPECT_FALSE(game::SameNameIgnoringCase("xpbonus.2da", "xpbonus.2d"));
    EXPECT_FALSE(game::SameNameIgnoringCase("\xD0\xB0", "\xD0\x90"));  // Cyrillic а / А stay apart
}

TEST(Paths, FindSpellingsListsEveryCaseVariantSorted)
{
    gametest::TempFolder temp;
    const std::filesystem::path& folder = temp.Path();
    std::filesystem::create_directories(folder / "Override");
    std::filesystem::create_directories(folder / "override");
    std::ofstream(folder / "OVERRIDE.txt") << "x";
    auto found = game::FindSpellings(game::PlatformFiles(), folder, "override");
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(game::SameNameIgnoringCase(game::ToUtf8(found.front().filename()), "override"));
    // A case-insensitive file system keeps one of the two folders.
    EXPECT_LE(found.size(), 2u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_TRUE(game::FindSpellings(game::PlatformFiles(), folder / "missing", "override").empty());
}

// The platform reaches a path in its long form, made full first: a relative path, one with
// ".." in it, and one already in the long form all name what they name.
TEST(Paths, ThePlatformMakesEveryPathFullAndLongOnce)
{
    gametest::TempFolder temp;
    std::filesystem::create_directories(temp.Path() / "sub");
    game::Path folder = temp.Path();
    game::FileSystem& files = game::PlatformFiles();
    EXPECT_EQ(files.KindOf(folder / "sub" / "..", game::Links::Kept), game::EntryKind::Folder);
    EXPECT_EQ(files.KindOf("..", game::Links::Followed), game::EntryKind::Folder);
#ifdef _WIN32
    std::wstring full = folder.native();
    EXPECT_EQ(files.KindOf(game::Path(L"\\\\?\\" + full + L"\\sub"), game::Links::Kept), game::EntryKind::Folder);
#endif
}

}  // namespace
