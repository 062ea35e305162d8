// The command's words on each stream, run in-process; the exit codes end to end are in
// xptable_test.sh.
#include "cli/Command.h"

#include <gtest/gtest.h>

#include "app/Version.h"

namespace {

using cli::Language;

struct Captured : cli::Console {
    std::string out, err;
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
};

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
        {{"--version"}, Language::English, 0, "xptable " XP_VERSION_TEXT "\n", ""},
        {{}, Language::English, 2, "", "xptable: A subcommand is required. Run 'xptable --help' for help.\n"},
        {{}, Language::Russian, 2, "", "xptable: не указана команда или обязательный аргумент. Справка: xptable --help\n"},
        {{"show", "a", "b"}, Language::Russian, 2, "", "xptable: лишние аргументы. Справка: xptable --help\n"},
        {{"list"}, Language::English, 2, "", "xptable: unknown command: list. Run 'xptable --help' for help.\n"},
        {{"list"}, Language::Russian, 2, "", "xptable: неизвестная команда: list. Справка: xptable --help\n"},
        {{"show", "missing/x"}, Language::Russian, 1, "", "xptable: missing/x: нет такого файла или каталога\n"},
        {{"write", "g", "--locks", "7"}, Language::English, 2, "", "xptable: --locks: not a choice (0-5 or current): 7. Run 'xptable --help' for help.\n"},
        {{"write", "g", "--scrolls", "1:5,x"}, Language::Russian, 2, "", "xptable: --scrolls: значение не из одних цифр: x. Справка: xptable --help\n"},
        {{"restore", "g", "a/../b"}, Language::Russian, 2, "", "xptable: не имя резервной копии: a/../b. Справка: xptable --help\n"},
        {{"restore", "missing/x"}, Language::English, 1, "", "xptable: missing/x: no back-up\n"},
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

}  // namespace
