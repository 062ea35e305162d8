#include "cli/Command.h"

#include <CLI/CLI.hpp>

#include "app/Version.h"
#include "cli/Failures.h"
#include "cli/Messages.h"
#include "cli/Subcommand.h"
#include "cli/SystemErrorText.h"

namespace cli {

namespace {

struct Chosen {
    CLI::App* app;
    std::unique_ptr<Subcommand> command;
};

// Russian help: CLI11's own headings, translated.
void Translate(CLI::App& app)
{
    auto formatter = app.get_formatter();
    const std::pair<const char*, const char*> labels[] = {
        {"Usage", "Использование"}, {"OPTIONS", "ПАРАМЕТРЫ"}, {"SUBCOMMAND", "КОМАНДА"},
        {"Positionals", "Аргументы"}, {"REQUIRED", "ОБЯЗАТЕЛЬНО"}, {"TEXT", "ТЕКСТ"},
    };
    for (const auto& [key, value] : labels)
        formatter->label(key, value);
}

constexpr const char* kLicenceLine =
    "Copyright (c) 2026 The XP Table Editor authors. License: MIT <https://opensource.org/licenses/MIT>";

// The parser with every subcommand of the table on it, in the table's order.
std::vector<Chosen> Describe(CLI::App& app, Language language)
{
    auto say = [language](Message m) { return std::string(Say(m, language)); };
    if (language == Language::Russian)
        Translate(app);
    app.set_help_flag("-h,--help", say(Message::HelpFlag));
    // One line for the licence, as GNU tools do; help2man makes it the page's COPYRIGHT.
    app.set_version_flag("--version", std::string("xptable ") + XP_VERSION_TEXT + "\n" + kLicenceLine,
                         say(Message::VersionFlag));
    app.require_subcommand(1);
    // CLI11 would take "/x" for an option on Windows, and so lose "//?/C:/Games/BG2".
    app.allow_windows_style_options(false);
    const std::string group = language == Language::Russian ? "Команды" : "Subcommands";
    std::vector<Chosen> all;
    for (const SubcommandEntry& entry : kSubcommands) {
        Chosen each{app.add_subcommand(std::string(entry.name))->group(group), entry.make()};
        each.command->Describe(*each.app, language);
        all.push_back(std::move(each));
    }
    // The subcommands copy the help flag with CLI11's own group name: one name for all.
    const std::string options = language == Language::Russian ? "Параметры" : "Options";
    for (CLI::Option* option : app.get_options())
        option->group(options);
    for (const Chosen& each : all)
        for (CLI::Option* option : each.app->get_options())
            option->group(options);
    return all;
}

template <class Kind>
bool Is(const CLI::ParseError& error)
{
    return dynamic_cast<const Kind*>(&error) != nullptr;
}

int ReportUsage(const CLI::App& app, const CLI::ParseError& error, const std::vector<std::string>& args,
                Console& console, Language language)
{
    if (Is<CLI::CallForHelp>(error) || Is<CLI::CallForAllHelp>(error)) {
        console.Out(app.help());
        return kSuccess;
    }
    if (Is<CLI::CallForVersion>(error)) {
        console.Out(std::string(error.what()) + "\n");
        return kSuccess;
    }
    std::string what = error.what();
    // A first word that is no command: CLI11 would only say that a command is missing.
    const bool unknownCommand = Is<CLI::RequiredError>(error) && !args.empty() && !args[0].starts_with('-') &&
                                app.get_subcommands([&](const CLI::App* sub) { return sub->check_name(args[0]); }).empty();
    if (unknownCommand)
        what = std::string(Say(Message::UnknownCommand, language)) + ": " + args[0];
    else if (language == Language::Russian)
        what = Say(Is<CLI::RequiredError>(error) ? Message::MissingArgument
                   : Is<CLI::ExtrasError>(error) ? Message::ExtraArguments
                                                 : Message::BadArguments,
                   language);
    return UsageFailure(console, language, what);
}

int RunOnce(const std::vector<std::string>& args, Console& console, Language language)
{
    try {
        CLI::App app(std::string(Say(Message::AppDescription, language)), "xptable");
        std::vector<Chosen> subcommands = Describe(app, language);
        try {
            // This parse takes the arguments last first.
            std::vector<std::string> reversed(args.rbegin(), args.rend());
            app.parse(reversed);
        } catch (const CLI::ParseError& error) {
            return ReportUsage(app, error, args, console, language);
        }
        for (const Chosen& each : subcommands)
            if (*each.app)
                return each.command->Run(console, language);
        return UsageFailure(console, language, std::string(Say(Message::MissingArgument, language)));
    } catch (const std::exception& e) {
        return Report(console, kDataFailure, std::string(Say(Message::Unexpected, language)) + ": " + e.what());
    }
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, Console& console, Language language)
{
    int code = RunOnce(args, console, language);
    // Output that did not arrive is a failure, never a success with nothing said.
    if (int failure = console.OutFailure())
        return Report(console, kDataFailure,
                      std::string(Say(Message::OutputFailed, language)) + ": " + SystemErrorText(failure, language));
    return code;
}

}  // namespace cli
