// The command on Windows when another program holds the table open without sharing writes:
// the window's reason in the command's language, and nothing changed or left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../game/TempFolder.h"
#include "cli/Command.h"
#include "game/Paths.h"

namespace {

struct Captured : cli::Console {
    std::string out, err;
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
};

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(HeldTable, WriteAndRestoreFailWithTheWindowsReasonAndChangeNothing)
{
    const std::string old = "2DA V1.0\r\n0\r\n   1\r\nPICK_LOCK 5\r\nDISARM_TRAP 5\r\nLEARN_SPELL 5\r\n";
    const std::string kept = "xpbonus-20260101-000000-01.2da";
    const struct {
        std::vector<std::string> args;  // after the game folder
        cli::Language language;
        std::string reason;
    } cases[] = {
        {{"write", "--locks", "0", "--traps", "0", "--scrolls", "0"}, cli::Language::English, "I/O error 32."},
        {{"restore"}, cli::Language::Russian, "Ошибка ввода-вывода 32."},
    };
    for (const auto& c : cases) {
        gametest::TempFolder game;
        const auto table = game.Path() / "override" / "xpbonus.2da";
        Put(table, old);
        Put(game.Path() / "chitin.key", "");
        Put(game.Path() / "xpbonus-backup" / kept, "2DA V1.0\r\n0\r\n");
        HANDLE held = CreateFileW(table.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, game::ToUtf8(game.Path()));
        Captured console;
        EXPECT_EQ(cli::RunCommand(args, console, c.language), 1) << c.args[0];
        CloseHandle(held);
        EXPECT_EQ(console.err, "xptable: " + game::ToUtf8(game.Path()) + ": " + c.reason + "\n");
        EXPECT_EQ(console.out, "");
        EXPECT_EQ(ReadAll(table), old) << c.args[0];
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(game.Path() / "xpbonus-backup"))
            left.push_back(entry.path().filename().string());
        EXPECT_EQ(left, std::vector<std::string>{kept}) << c.args[0];
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(table.parent_path()), {}), 1) << "temporary left";
    }
}

}  // namespace
