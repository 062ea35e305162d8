// The command's arguments, exit codes and streams, run in-process.
#include "cli/Command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "app/Version.h"

namespace {

using cli::Language;

struct Captured : cli::Console {
    std::string out, err;
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
};

TEST(Command, ExitCodesAndStreams)
{
    const std::filesystem::path notes = std::filesystem::temp_directory_path() / "xptable-notes.txt";
    std::ofstream(notes) << "not a table";
    const struct {
        std::vector<std::string> args;
        Language language;
        int code;
        const char* out;  // a part of stdout, or nullptr for none at all
        const char* err;  // a part of stderr, or nullptr for none at all
    } cases[] = {
        {{"--help"}, Language::English, 0, "Usage: xptable [OPTIONS] SUBCOMMAND", nullptr},
        {{"show", "--help"}, Language::English, 0, "Usage: xptable show [OPTIONS] PATH", nullptr},
        {{"templates", "-h"}, Language::Russian, 0, "Использование: xptable templates [ПАРАМЕТРЫ]", nullptr},
        {{"--version"}, Language::English, 0, "xptable " XP_VERSION_TEXT "\n", nullptr},
        {{"templates"}, Language::English, 0, "Locks:\n  0. ", nullptr},
        {{}, Language::English, 2, nullptr, "A subcommand is required. Run 'xptable --help' for help.\n"},
        {{}, Language::Russian, 2, nullptr, "xptable: не указана команда или обязательный аргумент. Справка: xptable --help\n"},
        {{"show"}, Language::English, 2, nullptr, "PATH is required"},
        {{"show", "a", "b"}, Language::Russian, 2, nullptr, "лишние аргументы"},
        {{"templates", "--jsn"}, Language::English, 2, nullptr, "--jsn"},
        {{"list"}, Language::English, 2, nullptr, "xptable: unknown command: list. Run"},
        {{"list"}, Language::Russian, 2, nullptr, "xptable: неизвестная команда: list. Справка"},
        {{"show", notes.string()}, Language::English, 1, nullptr, "xptable-notes.txt: neither a game folder nor a .2da file\n"},
        {{"show", notes.string()}, Language::Russian, 1, nullptr, "не каталог игры и не файл .2da\n"},
    };
    for (const auto& c : cases) {
        Captured console;
        const std::string what = c.args.empty() ? "(none)" : c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : "");
        EXPECT_EQ(cli::RunCommand(c.args, console, c.language), c.code) << what;
        if (c.out)
            EXPECT_NE(console.out.find(c.out), std::string::npos) << what << ": " << console.out;
        else
            EXPECT_EQ(console.out, "") << what;
        if (c.err)
            EXPECT_NE(console.err.find(c.err), std::string::npos) << what << ": " << console.err;
        else
            EXPECT_EQ(console.err, "") << what;
        EXPECT_EQ(std::count(console.err.begin(), console.err.end(), '\n'), c.err ? 1 : 0) << what;
    }
    std::filesystem::remove(notes);
}

TEST(Command, TemplatesJsonIsOneArray)
{
    Captured console;
    ASSERT_EQ(cli::RunCommand({"templates", "--json"}, console, Language::Russian), 0);
    auto json = nlohmann::json::parse(console.out);
    EXPECT_EQ(json.size(), 18u);
    EXPECT_EQ(console.out.back(), '\n');
}

}  // namespace
