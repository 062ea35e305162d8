// `xptable show PATH [--json]`: the table a game folder pays from, or a single .2da file,
// read the way the engine reads it.
#include "cli/Command.h"
#include "cli/Failures.h"
#include "cli/JsonText.h"
#include "cli/Messages.h"
#include "cli/ShowOutput.h"
#include "cli/Subcommand.h"
#include "game/FileSystem.h"
#include "game/Spellings.h"
#include "game/TableReading.h"

namespace cli {

namespace {

bool IsTableFileName(const game::Path& path)
{
    return game::SameNameIgnoringCase(game::ToUtf8(path.extension()), ".2da");
}

class Show : public Subcommand {
public:
    void Describe(CLI::App& sub, Language language) override
    {
        auto say = [language](Message m) { return std::string(Say(m, language)); };
        sub.description(say(Message::ShowDescription));
        sub.add_option("PATH", path_, say(Message::PathDescription))->required();
        sub.add_flag("--json", json_, say(Message::ShowJsonFlag));
    }

    int Run(Console& console, Language language) override
    {
        return Guarded(console, language, path_, [&]() -> int {
            const game::Path path = game::FullPath(game::FromUtf8(path_));
            auto fail = [&](Message problem) {
                return Report(console, kDataFailure, path_ + ": " + std::string(Say(problem, language)));
            };
            game::TableReading reading;
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
            console.Out(json_ ? JsonText(ShowJson(reading)) : ShowText(reading, language));
            return kSuccess;
        });
    }

private:
    std::string path_;
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Subcommand> ShowCommand()
{
    return std::make_unique<Show>();
}

}  // namespace cli
