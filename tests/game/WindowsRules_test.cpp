// The Windows file layer's rules that need no Windows: the path forms it hands to the
// system, the reparse tags that count as links, and the retries of a passing refusal. Also
// built for Windows, where the same path forms are checked through GetFullPathNameW.
#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/FileSystem.h"
#include "game/TransientRetry.h"
#include "game/WindowsEntryKind.h"
#include "game/WindowsPathForm.h"

namespace {

// Only these tests show the prefix is added: Wine opens long paths without it.
TEST(WindowsRules, LongFormOfEveryPathForm)
{
    const struct {
        std::wstring path;
        bool needsFull;
        std::wstring longForm;  // of the path itself, when it needs no making full
    } cases[] = {
        {L"C:\\Games\\BG2", false, L"\\\\?\\C:\\Games\\BG2"},
        {L"C:\\Games\\BG2\\", false, L"\\\\?\\C:\\Games\\BG2\\"},
        {L"\\\\srv\\share\\BG2", false, L"\\\\?\\UNC\\srv\\share\\BG2"},
        {L"\\\\?\\C:\\Games", false, L"\\\\?\\C:\\Games"},
        {L"\\\\?\\UNC\\srv\\share", false, L"\\\\?\\UNC\\srv\\share"},
        {L"\\\\?\\C:\\g\\..\\x", false, L"\\\\?\\C:\\g\\..\\x"},  // verbatim: ".." is a name there
        {L"\\\\.\\C:\\x", false, L"\\\\?\\C:\\x"},                   // not "\\?\UNC\.\C:\x"
        {L"C:\\g\\xpbonus.2da. ", false, L"\\\\?\\C:\\g\\xpbonus.2da. "},  // as listed in the folder
        {L"//?/C:/g/x/../BG2", true, L""},                         // not verbatim: slashes
        {L"\\\\.\\C:\\x\\..\\y", true, L""},
        {L"Games\\BG2", true, L""},
        {L"\\Games", true, L""},
        {L"C:Games", true, L""},
        {L"C:\\g\\..", true, L""},
        {L"C:\\g\\.\\x", true, L""},
        {L"C:\\g\\\\x", true, L""},
        {L"C:/g", true, L""},
        {L"", true, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(game::WindowsStyle::ToUtf8(c.path));
        EXPECT_EQ(game::NeedsMakingFull(c.path), c.needsFull);
        if (!c.needsFull) {
            EXPECT_EQ(game::LongPathForm(c.path), c.longForm);
        }
    }
    for (std::size_t length : {259u, 260u, 261u, 32000u}) {
        std::wstring path = L"C:\\" + std::wstring(length - 3, L'a');
        EXPECT_FALSE(game::NeedsMakingFull(path)) << length;
        EXPECT_EQ(game::LongPathForm(path), L"\\\\?\\" + path) << length;
    }
}

TEST(WindowsRules, OnlyNameSurrogateReparsePointsAreLinks)
{
    using game::EntryKind;
    constexpr std::uint32_t kFolder = game::kWinAttributeFolder, kReparse = game::kWinAttributeReparsePoint;
    const struct {
        std::uint32_t attributes, tag;
        EntryKind kind;
    } cases[] = {
        {0x20, 0, EntryKind::File},                                  // archive bit only
        {kFolder, 0, EntryKind::Folder},
        {game::kWinAttributeDevice, 0, EntryKind::Other},
        {kReparse, 0xA000000C, EntryKind::Link},                     // symbolic link
        {kReparse | kFolder, 0xA000000C, EntryKind::Link},
        {kReparse | kFolder, 0xA0000003, EntryKind::Link},           // junction, mount point
        {kReparse, 0x80000013, EntryKind::File},                     // deduplicated
        {kReparse, 0x9000001A, EntryKind::File},                     // cloud placeholder
        {kReparse | kFolder, 0x9000101A, EntryKind::Folder},
        {kReparse, 0x80000017, EntryKind::File},                     // WOF-compressed
        {0, 0xA000000C, EntryKind::File},                            // a tag without the attribute
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::KindOfWindowsEntry(c.attributes, c.tag), c.kind) << std::hex << c.attributes << " " << c.tag;
}

TEST(WindowsRules, PassingRefusalsAreRetriedWithGrowingPauses)
{
    const struct {
        std::vector<int> results;  // of the attempts in turn; the last repeats
        int attempts, last;
    } cases[] = {
        {{0}, 1, 0},
        {{2}, 1, 2},              // not found: no retry
        {{32, 5, 33, 0}, 4, 0},   // let go during the retries
        {{32, 2}, 2, 2},
        {{5}, 9, 5},              // still refused after every retry
    };
    for (const auto& c : cases) {
        int attempts = 0;
        std::vector<unsigned> pauses;
        int last = game::RetryTransient(
            [&] { return c.results[std::min<std::size_t>(attempts++, c.results.size() - 1)]; },
            [&](unsigned ms) { pauses.push_back(ms); });
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(attempts, c.attempts);
        ASSERT_EQ(pauses.size(), std::size_t(c.attempts - 1));
        for (std::size_t i = 1; i < pauses.size(); ++i)
            EXPECT_GT(pauses[i], pauses[i - 1]);
    }
    unsigned total = 0;
    for (int n = 0; n < game::kTransientRetries; ++n)
        total += game::RetryPauseMs(n);
    EXPECT_EQ(total, 900u);  // about a second in all
}

#ifdef _WIN32
// The same forms through GetFullPathNameW: what the layer finally hands to the system, and
// what a path the user gives becomes.
TEST(WindowsRules, SystemPathsAndFullPaths)
{
    wchar_t current[32768];
    std::wstring here(current, GetCurrentDirectoryW(32768, current));
    const struct {
        std::wstring path, system, full;
    } cases[] = {
        {L"//?/C:/g/x/../BG2", L"\\\\?\\C:\\g\\BG2", L"\\\\?\\C:\\g\\BG2"},
        {L"\\\\.\\C:\\x", L"\\\\?\\C:\\x", L"\\\\.\\C:\\x"},
        {L"//./C:/x/../y", L"\\\\?\\C:\\y", L"\\\\.\\C:\\y"},
        {L"\\\\?\\C:\\g\\..", L"\\\\?\\C:\\g\\..", L"\\\\?\\C:\\g\\.."},
        {L"C:\\g\\..\\x", L"\\\\?\\C:\\x", L"C:\\x"},
        {L"C:\\g ", L"\\\\?\\C:\\g ", L"C:\\g"},
        {L"C:\\g.", L"\\\\?\\C:\\g.", L"C:\\g"},
        {L"\\\\srv\\share\\x", L"\\\\?\\UNC\\srv\\share\\x", L"\\\\srv\\share\\x"},
        {L"x", L"\\\\?\\" + here + L"\\x", here + L"\\x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(game::WindowsStyle::ToUtf8(c.path));
        EXPECT_EQ(game::SystemPath(game::Path(c.path)), c.system);
        EXPECT_EQ(game::FullPath(game::Path(c.path)).native(), c.full);
    }
}
#endif

}  // namespace
