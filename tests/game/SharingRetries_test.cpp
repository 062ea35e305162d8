// The Windows layer against a table another program holds open: refused with 32 after the
// retries whatever sharing the holder asked for, and let through when the holder lets go
// during them. The pause is counted, never timed, and lets the holder go when asked to.
// Sharing is checked per open handle, so a handle of the test's own stands for the holder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../framework/InOutCode.h"
#include "TempFolder.h"
#include "game/FileSystem.h"
#include "game/TableWriter.h"
#include "game/TransientRetry.h"

namespace {

namespace fs = std::filesystem;

const char kOld[] = "another mod's table\r\n";
const char kNew[] = "2DA V1.0\r\n0\r\nnew table\r\n";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Count(const fs::path& folder)
{
    return fs::exists(folder) ? std::distance(fs::directory_iterator(folder), {}) : 0;
}

// A game folder with a table, held open by a handle of the given sharing until it is let go.
struct HeldGame {
    gametest::TempFolder folder;
    fs::path table = folder.Path() / "override" / "xpbonus.2da";
    HANDLE held = INVALID_HANDLE_VALUE;

    explicit HeldGame(DWORD sharing)
    {
        fs::create_directories(table.parent_path());
        std::ofstream(table, std::ios::binary) << kOld;
        held = CreateFileW(table.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    ~HeldGame() { LetGo(); }
    void LetGo()
    {
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
    }
    void Change(bool removing, game::FileSystem& files)
    {
        game::WriteOptions options;
        options.files = &files;
        if (removing)
            game::RemoveTable(folder.Path(), options);
        else
            game::WriteTable(folder.Path(), kNew, options);
    }
};

const DWORD kSharings[] = {0, FILE_SHARE_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE};

TEST(SharingRetries, AHeldTableFailsWith32AfterTheRetriesWhateverTheSharing)
{
    for (bool removing : {false, true})
        for (DWORD sharing : kSharings) {
            SCOPED_TRACE(std::string(removing ? "remove" : "write") + ", sharing " + std::to_string(sharing));
            HeldGame game(sharing);
            ASSERT_NE(game.held, INVALID_HANDLE_VALUE);
            int pauses = 0;
            auto files = game::Win32FilesPausing([&](unsigned) { ++pauses; });
            EXPECT_EQ(fwtest::InOutCodeOf([&] { game.Change(removing, *files); }), 32);
            EXPECT_EQ(pauses, game::kTransientRetries);
            game.LetGo();
            EXPECT_EQ(ReadAll(game.table), kOld);
            EXPECT_EQ(Count(game.table.parent_path()), 1u) << "a temporary file left";
            EXPECT_EQ(Count(game.folder.Path() / "xpbonus-backup"), 0u);
        }
}

TEST(SharingRetries, AHolderThatLetsGoDuringTheRetriesLetsTheChangeThrough)
{
    for (bool removing : {false, true}) {
        SCOPED_TRACE(removing ? "remove" : "write");
        HeldGame game(0);
        ASSERT_NE(game.held, INVALID_HANDLE_VALUE);
        int pauses = 0;
        auto files = game::Win32FilesPausing([&](unsigned) {
            ++pauses;
            game.LetGo();
        });
        EXPECT_EQ(fwtest::InOutCodeOf([&] { game.Change(removing, *files); }), 0);
        EXPECT_EQ(pauses, 1);
        EXPECT_EQ(fs::exists(game.table) ? ReadAll(game.table) : "(none)", removing ? "(none)" : kNew);
        EXPECT_EQ(Count(game.folder.Path() / "xpbonus-backup"), 1u);
    }
}

// Past the writer's own check: a replace or a removal refused over a held file says 32.
TEST(SharingRetries, AReplaceOrRemovalOverAHeldFileSays32)
{
    for (bool removing : {false, true})
        for (DWORD sharing : kSharings) {
            SCOPED_TRACE(std::string(removing ? "remove" : "replace") + ", sharing " + std::to_string(sharing));
            HeldGame game(sharing);
            fs::path other = game.table.parent_path() / "new.tmp";
            std::ofstream(other, std::ios::binary) << kNew;
            auto files = game::Win32FilesPausing([](unsigned) {});
            int code = fwtest::InOutCodeOf([&] {
                if (removing)
                    files->RemoveFile(game.table);
                else
                    files->Replace(other, game.table);
            });
            // Windows lets a file held with delete sharing be removed; nothing else.
            EXPECT_EQ(code, removing && (sharing & FILE_SHARE_DELETE) ? 0 : 32);
        }
}

}  // namespace
