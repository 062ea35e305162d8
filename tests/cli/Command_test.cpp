// The command's words on each stream, run in-process; the exit codes end to end are in
// xptable_test.sh.
#include "cli/Command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "app/Version.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "cli/WriteReport.h"
#include "tests/game/TempFolder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using cli::Language;

namespace fs = std::filesystem;

struct Captured : cli::Console {
    std::string out, err;
    int outFailure = 0;
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
    int OutFailure() const override { return outFailure; }
};

void Put(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Command, HelpVersionAndUsageMessagesInTheUsersLanguage)
{
    const struct {
        std::vector<std::string> args;
        Language language;
        int code;
        std::string out;  // the start of stdout
        std::string err;  // all of stderr
    } cases[] = {
        {{"--help"}, Language::English, 0, "Shows the experience table", ""},
        {{"show", "--help"}, Language::English, 0, "Show the table the game uses", ""},
        {{"templates", "-h"}, Language::Russian, 0, "Перечислить 18 встроенных шаблонов\nИспользование: xptable templates [ПАРАМЕТРЫ]", ""},
        {{"--version"}, Language::Russian, 0, "xptable " XP_VERSION_TEXT "\nCopyright (c) 2026 The XP Table Editor authors. License: MIT <https://opensource.org/licenses/MIT>\n", ""},
        {{}, Language::English, 2, "", "xptable: A subcommand is required. Run 'xptable --help' for help.\n"},
        {{}, Language::Russian, 2, "", "xptable: не указана команда или обязательный аргумент. Справка: xptable --help\n"},
        {{"show", "a", "b"}, Language::Russian, 2, "", "xptable: лишние аргументы. Справка: xptable --help\n"},
        {{"list"}, Language::English, 2, "", "xptable: unknown command: list. Run 'xptable --help' for help.\n"},
        {{"list"}, Language::Russian, 2, "", "xptable: неизвестная команда: list. Справка: xptable --help\n"},
        {{"show", "missing/x"}, Language::Russian, 1, "", "xptable: missing/x: нет такого файла или каталога\n"},
        {{"write", "g", "--locks", "7"}, Language::English, 2, "", "xptable: --locks: not a choice (0-5 or current): 7. Run 'xptable --help' for help.\n"},
        {{"write", "g", "--scrolls", "1:5,x"}, Language::Russian, 2, "", "xptable: --scrolls: значение не из одних цифр: x. Справка: xptable --help\n"},
        {{"restore", "g", "a/../b"}, Language::Russian, 2, "", "xptable: не имя резервной копии: a/../b. Справка: xptable --help\n"},
        {{"restore", "missing/x"}, Language::English, 1, "", "xptable: missing/x: no such file or folder\n"},
        // A path that starts with a slash is a path on Windows too, never a "/option".
        {{"show", "/missing/x"}, Language::English, 1, "", "xptable: /missing/x: no such file or folder\n"},
        {{"restore", "missing/x", ""}, Language::English, 2, "", "xptable: an empty back-up name. Run 'xptable --help' for help.\n"},
        {{"backups", "missing/x"}, Language::Russian, 1, "", "xptable: missing/x: нет такого файла или каталога\n"},
    };
    for (const auto& c : cases) {
        Captured console;
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(cli::RunCommand(c.args, console, c.language), c.code) << what;
        EXPECT_EQ(console.out.substr(0, c.out.size()), c.out) << what;
        EXPECT_EQ(console.out.empty(), c.out.empty()) << what;
        EXPECT_EQ(console.err, c.err) << what;
    }
}

// The table is the parser's one list: each name reaches its subcommand, and the help lists
// them in the table's order.
TEST(Command, EverySubcommandOfTheTableByNameAndInOrder)
{
    Captured help;
    ASSERT_EQ(cli::RunCommand({"--help"}, help, Language::English), 0);
    std::size_t last = 0;
    for (const cli::SubcommandEntry& entry : cli::kSubcommands) {
        const std::string name(entry.name);
        std::size_t at = help.out.find("\n  " + name + " ");
        ASSERT_NE(at, std::string::npos) << name << " not in the help:\n" << help.out;
        EXPECT_GT(at, last) << name << " out of order";
        last = at;
        Captured own;
        EXPECT_EQ(cli::RunCommand({name, "--help"}, own, Language::English), 0) << name;
        EXPECT_NE(own.out.find("Usage: xptable " + name + " "), std::string::npos) << own.out;
    }
}

// Every line on stderr: one line, "xptable: " once, and the code it goes with.
TEST(Command, TheReporterSaysOneLineAndGivesTheCode)
{
    const struct {
        cli::ExitCode code;
        std::string what;
        std::string err;
    } cases[] = {
        {cli::kDataFailure, "g: no back-up", "xptable: g: no back-up\n"},
        {cli::kUsage, "a\nb\r", "xptable: a\\x0ab\\x0d\n"},
        {cli::kSuccess, "warning: ok", "xptable: warning: ok\n"},
    };
    for (const auto& c : cases) {
        Captured console;
        EXPECT_EQ(cli::Report(console, c.code, c.what), c.code);
        EXPECT_EQ(console.err, c.err);
        EXPECT_EQ(console.out, "");
    }
}

// A folder without chitin.key is no game: the commands that write or read back-ups refuse it
// before they make anything, while show still reads its override table.
TEST(Command, OnlyAGameFolderIsWrittenOrRestored)
{
    gametest::TempFolder folder;
    const std::string path = folder.Path().string();
    Put(folder.Path() / "override" / "xpbonus.2da", "2DA V1.0\r\n0\r\nA\r\nPICK_LOCK 1\r\n");
    const std::vector<std::string> commands[] = {
        {"write", path, "--locks", "1", "--traps", "1", "--scrolls", "1"},
        {"write", path, "--locks", "1", "--dry-run"},
        {"backups", path},
        {"restore", path},
    };
    for (const auto& args : commands) {
        Captured console;
        EXPECT_EQ(cli::RunCommand(args, console, Language::English), 1) << args[0];
        EXPECT_EQ(console.err, "xptable: " + path + ": not a game folder: it has no chitin.key\n");
        EXPECT_EQ(console.out, "");
    }
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"override"});
    Captured russian;
    cli::RunCommand({"backups", path}, russian, Language::Russian);
    EXPECT_EQ(russian.err, "xptable: " + path + ": не каталог игры: в нём нет chitin.key\n");
    Captured show;
    EXPECT_EQ(cli::RunCommand({"show", path}, show, Language::English), 0);
}

// Back-ups that are not regular files are listed with their reason, never taken as the
// newest and refused by name at once.
TEST(Command, BackupsThatAreNotFilesAreNeverPutBack)
{
    gametest::TempFolder game;
    Put(game.Path() / "chitin.key", "");
    const fs::path backups = game.Path() / "xpbonus-backup";
    Put(backups / "xpbonus-000001-20261207-150952.2da", "2DA V1.0\r\n0\r\nA\r\nPICK_LOCK 7\r\n");
    fs::create_directories(backups / "xpbonus-000002-20261207-150953.2da");
    std::vector<std::string> odd = {"xpbonus-000002-20261207-150953.2da"};
#ifndef _WIN32
    ASSERT_EQ(mkfifo((backups / "xpbonus-000003-20261207-150954.2da").c_str(), 0600), 0);
    odd.push_back("xpbonus-000003-20261207-150954.2da");
#endif
    Captured listed;
    EXPECT_EQ(cli::RunCommand({"backups", game.Path().string()}, listed, Language::English), 0);
    EXPECT_NE(listed.out.find("xpbonus-000002-20261207-150953.2da  not a regular file (a folder)\n"), std::string::npos);
    for (const std::string& name : odd) {
        Captured refused;
        EXPECT_EQ(cli::RunCommand({"restore", game.Path().string(), name}, refused, Language::English), 1) << name;
        EXPECT_NE(refused.err.find(name + ": not a regular file ("), std::string::npos) << refused.err;
        EXPECT_NE(refused.err.find("): not put back\n"), std::string::npos) << refused.err;
    }
    Captured restored;
    EXPECT_EQ(cli::RunCommand({"restore", game.Path().string()}, restored, Language::English), 0) << restored.err;
    EXPECT_EQ(restored.out.rfind("Restored xpbonus-000001-20261207-150952.2da: ", 0), 0u) << restored.out;
}

// A back-up the reader cannot take: its reason in the user's language in the list, and the
// reader's own English in the JSON, which scripts read.
TEST(Command, ABackupThatCannotBeReadSaysWhy)
{
    gametest::TempFolder game;
    Put(game.Path() / "chitin.key", "");
    const fs::path backup = game.Path() / "xpbonus-backup" / "xpbonus-000001-20261207-150952.2da";
    Put(backup, "");
    fs::resize_file(backup, (1u << 20) + 1);
    Captured text, json;
    EXPECT_EQ(cli::RunCommand({"backups", game.Path().string()}, text, Language::Russian), 0);
    EXPECT_EQ(text.out, "xpbonus-000001-20261207-150952.2da  " + game::ToUtf8(backup) +
                            ": слишком большой: таблица больше 1 МиБ не читается\n");
    EXPECT_EQ(cli::RunCommand({"backups", game.Path().string(), "--json"}, json, Language::Russian), 0);
    EXPECT_NE(json.out.find(": too large: a table over 1 MiB is not read\""), std::string::npos) << json.out;
}

TEST(Command, AReplacedTableIsAWriteEvenWhenTheFlushAfterItFails)
{
    gametest::TempFolder game;
    game::WriteResult result;
    const fs::path backup = game.Path() / "xpbonus-backup" / "xpbonus-000001-20261207-150952.2da";
    result.target = game.Path() / "override" / "xpbonus.2da";
    result.backup = backup;
    result.changed = true;
    result.flushFailure = fw::EInOutError(5);
    result.replaceWarning = fw::EInOutError(64);
    Put(backup, "2DA V1.0\r\n0\r\nA\r\nPICK_LOCK 1\r\nDISARM_TRAP 1\r\nLEARN_SPELL 1\r\nPICK_POCKET 1\r\nX 1\r\n");
    Captured console;
    EXPECT_EQ(cli::ReportWrite(console, Language::English, result, "Written: t", {"x"}), 0);
    EXPECT_EQ(console.out.substr(console.out.find('\n') + 1),
              "The replaced table was kept in: " + game::ToUtf8(backup) +
                  "\nThe replaced table had rows past the third that this one lacks: \"PICK_POCKET\"; the back-up "
                  "just made keeps them.\n");
    EXPECT_EQ(console.err, "xptable: warning: the system reported a failure, yet the change was made: I/O error 64.\n"
                           "xptable: warning: the table is replaced, but its folder could not be flushed to the disk: "
                           "File access denied.\n");
}

// Another writer at work, and a replace that may not have happened, which names the back-up.
TEST(Command, TheWritersOwnFailuresSayWhatStands)
{
    const game::WriterBusy busy;
    const game::ReplaceUnsure unsure(fw::EInOutError(64), game::FromUtf8("/g/xpbonus-backup/b.2da"));
    struct Case {
        const fw::EInOutError& failure;
        std::string text;
    } cases[] = {
        {busy, "g: another program is writing this game's table; nothing was changed, try again in a moment"},
        {unsure, "g: I/O error 64. Whether the table was changed cannot be told; the table before this write is "
                 "kept in: /g/xpbonus-backup/b.2da"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cli::FileFailureText("g", c.failure, Language::English), c.text);
}

TEST(Command, OutputThatCannotBeWrittenIsAFailure)
{
    Captured console;
#ifdef _WIN32
    console.outFailure = 112;  // ERROR_DISK_FULL
    const std::string reason = "I/O error 112.";
#else
    console.outFailure = ENOSPC;
    const std::string reason = "No space left on device";
#endif
    EXPECT_EQ(cli::RunCommand({"templates"}, console, Language::English), 1);
    EXPECT_EQ(console.err, "xptable: cannot write the output: " + reason + "\n");
}

}  // namespace
