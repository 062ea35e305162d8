#include "cli/Command.h"

#include <CLI/CLI.hpp>

#include "app/Version.h"
#include "cli/Failures.h"
#include "cli/JsonText.h"
#include "cli/Messages.h"
#include "cli/ReadErrorText.h"
#include "cli/ShowOutput.h"
#include "cli/Subcommand.h"
#include "cli/TemplatesOutput.h"
#include "game/Paths.h"

namespace cli {

namespace {

struct Choices {
    CLI::App* show = nullptr;
    CLI::App* templates = nullptr;
    std::string path;
    bool json = false;
    std::vector<std::unique_ptr<Subcommand>> more = MoreSubcommands();
    std::vector<CLI::App*> moreApps;
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

void Describe(CLI::App& app, Choices& choices, Language language)
{
    auto say = [language](Message m) { return std::string(Say(m, language)); };
    if (language == Language::Russian)
        Translate(app);
    app.set_help_flag("-h,--help", say(Message::HelpFlag));
    app.set_version_flag("--version", std::string("xptable ") + XP_VERSION_TEXT, say(Message::VersionFlag));
    app.require_subcommand(1);
    const std::string group = language == Language::Russian ? "Команды" : "Subcommands";

    choices.show = app.add_subcommand("show", say(Message::ShowDescription))->group(group);
    choices.show->add_option("PATH", choices.path, say(Message::PathDescription))->required();
    choices.show->add_flag("--json", choices.json, say(Message::ShowJsonFlag));

    choices.templates = app.add_subcommand("templates", say(Message::TemplatesDescription))->group(group);
    choices.templates->add_flag("--json", choices.json, say(Message::TemplatesJsonFlag));
    for (auto& each : choices.more)
        choices.moreApps.push_back(each->Add(app, group, language));

    // The subcommands copy the help flag with CLI11's own group name: one name for all.
    const std::string options = language == Language::Russian ? "Параметры" : "Options";
    std::vector<CLI::App*> all{&app, choices.show, choices.templates};
    all.insert(all.end(), choices.moreApps.begin(), choices.moreApps.end());
    for (CLI::App* each : all)
        for (CLI::Option* option : each->get_options())
            option->group(options);
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

bool IsTableFileName(const game::Path& path)
{
    return game::SameNameIgnoringCase(game::ToUtf8(path.extension()), ".2da");
}

int Show(const Choices& choices, Console& console, Language language)
{
    const game::Path path = game::FromUtf8(choices.path);
    auto fail = [&](Message problem) {
        return Report(console, kDataFailure, choices.path + ": " + std::string(Say(problem, language)));
    };
    game::TableReading reading;
    try {
        // The path as named, links followed.
        game::EntryKind kind = game::PlatformFiles().KindOf(path, game::Links::Followed);
        if (kind == game::EntryKind::Folder)
            reading = game::ReadGameTable(path);
        else if (kind == game::EntryKind::Missing)
            return fail(Message::NoSuchPath);
        else if (!IsTableFileName(path))
            return fail(Message::NotGameData);
        else
            reading = game::ReadTableFile(path);
    } catch (const game::ReadError& e) {
        return Report(console, kDataFailure, ReadErrorText(e, language));
    } catch (const fw::EInOutError& e) {
        return Report(console, kDataFailure, FileFailureText(choices.path, e, language));
    }
    console.Out(choices.json ? JsonText(ShowJson(reading)) : ShowText(reading, language));
    return kSuccess;
}

int RunOnce(const std::vector<std::string>& args, Console& console, Language language)
{
    try {
        CLI::App app(std::string(Say(Message::AppDescription, language)), "xptable");
        Choices choices;
        Describe(app, choices, language);
        try {
            // This parse takes the arguments last first.
            std::vector<std::string> reversed(args.rbegin(), args.rend());
            app.parse(reversed);
        } catch (const CLI::ParseError& error) {
            return ReportUsage(app, error, args, console, language);
        }
        if (*choices.templates) {
            console.Out(choices.json ? JsonText(TemplatesJson()) : TemplatesText(language));
            return kSuccess;
        }
        for (size_t i = 0; i < choices.more.size(); ++i)
            if (*choices.moreApps[i])
                return choices.more[i]->Run(console, language);
        return Show(choices, console, language);
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
                      std::string(Say(Message::OutputFailed, language)) + ": " + InOutErrorText(failure, language));
    return code;
}

}  // namespace cli
