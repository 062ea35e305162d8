// The Windows file layer's rules that need no Windows, tested on every build: the path
// forms it hands to the system (Wine opens long paths without the prefix, so only this shows
// it is added), the reparse tags that count as links, the retries of a passing refusal.
#include <gtest/gtest.h>

#include <string>

#include "game/TransientRetry.h"
#include "game/WindowsEntryKind.h"
#include "game/WindowsPathForm.h"

namespace {

TEST(WindowsRules, LongFormOfEveryPathForm)
{
    const struct {
        std::wstring path, longForm;  // no long form: made full by the system first
    } cases[] = {
        {L"C:\\Games\\BG2\\", L"\\\\?\\C:\\Games\\BG2\\"},
        {L"\\\\srv\\share\\BG2", L"\\\\?\\UNC\\srv\\share\\BG2"},
        {L"\\\\?\\UNC\\srv\\share", L"\\\\?\\UNC\\srv\\share"},
        {L"\\\\?\\C:\\g\\..\\x", L"\\\\?\\C:\\g\\..\\x"},              // verbatim: ".." is a name there
        {L"\\\\.\\C:\\x", L"\\\\?\\C:\\x"},                               // not "\\?\UNC\.\C:\x"
        {L"C:\\g\\xpbonus.2da. ", L"\\\\?\\C:\\g\\xpbonus.2da. "},        // a name as the folder lists it
        {L"//?/C:/g/x/../BG2", L""}, {L"\\\\.\\C:\\x\\..\\y", L""}, {L"Games\\BG2", L""}, {L"\\Games", L""},
        {L"C:Games", L""}, {L"C:\\g\\..", L""}, {L"C:\\g\\.\\x", L""}, {L"C:\\g\\\\x", L""}, {L"C:/g", L""},
        {L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(game::NeedsMakingFull(c.path), c.longForm.empty()) << game::WindowsStyle::ToUtf8(c.path);
        if (!c.longForm.empty()) {
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
        {0x20, 0, EntryKind::File},           {kFolder, 0, EntryKind::Folder},
        {game::kWinAttributeDevice, 0, EntryKind::Other},
        {kReparse, 0xA000000C, EntryKind::Link},            // symbolic link
        {kReparse | kFolder, 0xA0000003, EntryKind::Link},  // junction, mount point
        {kReparse, 0x80000013, EntryKind::File},            // deduplicated
        {kReparse | kFolder, 0x9000101A, EntryKind::Folder},  // cloud placeholder
    };
    for (const auto& c : cases)
        EXPECT_EQ(game::KindOfWindowsEntry(c.attributes, c.tag), c.kind) << std::hex << c.tag;
}

TEST(WindowsRules, PassingRefusalsAreRetriedWithGrowingPauses)
{
    const struct {
        int code, retries;  // made so far
        unsigned pause;     // 0: not made again
    } cases[] = {{5, 0, 25}, {32, 1, 50}, {33, 7, 200}, {32, 8, 0}, {2, 0, 0}, {0, 0, 0}, {64, 3, 0}};
    for (auto c : cases) {
        int retries = c.retries;
        EXPECT_EQ(game::RetryPauseMs(c.code, retries), c.pause) << c.code << " after " << c.retries;
        EXPECT_EQ(retries, c.retries + (c.pause ? 1 : 0));
    }
    unsigned total = 0;
    for (int retries = 0; unsigned pause = game::RetryPauseMs(32, retries);)
        total += pause;
    EXPECT_EQ(total, 900u);  // about a second in all
}

}  // namespace
