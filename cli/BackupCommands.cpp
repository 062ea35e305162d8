// `xptable backups GAME [--json]` and `xptable restore GAME [BACKUP]`: the back-ups the writer
// keeps, and going back to one of them through the same writer, which keeps what it replaces.
#include <algorithm>

#include <nlohmann/json.hpp>

#include "cli/Activity.h"
#include "cli/Command.h"
#include "cli/Failures.h"
#include "cli/JsonText.h"
#include "cli/Messages.h"
#include "cli/Printable.h"
#include "cli/ReadErrorText.h"
#include "cli/Subcommand.h"
#include "cli/WriteReport.h"
#include "game/Limits.h"
#include "game/TableWriter.h"

namespace cli {

namespace {

using json = nlohmann::ordered_json;

std::string NameOf(const game::Backup& backup)
{
    return game::ToUtf8(backup.path.filename());
}

// "not a regular file (a folder)": why a back-up is never read nor put back.
std::string OddKindText(game::EntryKind kind, Language language)
{
    Message what = kind == game::EntryKind::Folder ? Message::AFolder
                   : kind == game::EntryKind::Link ? Message::ALink
                                                   : Message::APipeOrDevice;
    return std::string(Say(Message::NotRegular, language)) + " (" + std::string(Say(what, language)) + ")";
}

// What a back-up holds per activity: the matching template's list index, or none for custom.
// A back-up that is no regular file, or that the reader cannot take, gives its reason instead.
struct Holding {
    std::optional<game::TableReading> reading;
    std::optional<game::ReadError> readError;
};

Holding Hold(const game::Backup& backup)
{
    if (backup.kind != game::EntryKind::File || backup.marker)
        return {};
    try {
        return {game::ReadTableFile(backup.path), std::nullopt};
    } catch (const game::ReadError& e) {
        return {std::nullopt, e};
    }
}

std::string HoldingText(const game::Backup& backup, const Holding& holding, Language language)
{
    if (backup.kind != game::EntryKind::File)
        return OddKindText(backup.kind, language);
    if (holding.readError)
        return Printable(ReadErrorText(*holding.readError, language));
    if (backup.marker)
        return std::string(Say(Message::NoTable, language));
    std::string text;
    for (const game::ActivityReading& a : holding.reading->activities)
        text += (text.empty() ? "" : ", ") + ActivityName(a.activity, language) + " " +
                (a.templateChoice ? std::to_string(*a.templateChoice) : std::string(Say(Message::Custom, language)));
    return text;
}

// JSON is the same in every language.
json HoldingJson(const game::Backup& backup, const Holding& holding)
{
    json entry = {{"name", NameOf(backup)}, {"path", game::ToUtf8(backup.path)}, {"table", !backup.marker}};
    if (backup.kind != game::EntryKind::File) {
        entry["error"] = OddKindText(backup.kind, Language::English);
    } else if (holding.reading) {
        json templates = json::object();
        for (const game::ActivityReading& a : holding.reading->activities)
            templates[std::string(ActivityKey(a.activity))] = a.templateChoice ? json(*a.templateChoice) : json("custom");
        entry["templates"] = templates;
    } else if (holding.readError) {
        entry["error"] = holding.readError->what();
    }
    return entry;
}

class Backups : public Subcommand {
public:
    void Describe(CLI::App& sub, Language language) override
    {
        auto say = [language](Message m) { return std::string(Say(m, language)); };
        sub.description(say(Message::BackupsDescription));
        sub.add_option("GAME", game_, say(Message::GameDescription))->required();
        sub.add_flag("--json", json_, say(Message::BackupsJsonFlag));
    }

    int Run(Console& console, Language language) override
    {
        if (!RequireGame(game_, console, language))
            return kDataFailure;
        return Guarded(console, language, game_, [&] {
            json list = json::array();
            std::string text;
            for (const game::Backup& backup : game::ListBackups(game::PlatformFiles(), game::FullPath(game::FromUtf8(game_)))) {
                Holding holding = Hold(backup);
                list.push_back(HoldingJson(backup, holding));
                text += Printable(NameOf(backup)) + "  " + HoldingText(backup, holding, language) + "\n";
            }
            if (text.empty())
                text = std::string(Say(Message::NoBackups, language)) + "\n";
            console.Out(json_ ? JsonText(list) : text);
            return kSuccess;
        });
    }

private:
    std::string game_;
    bool json_ = false;
};

class Restore : public Subcommand {
public:
    void Describe(CLI::App& sub, Language language) override
    {
        auto say = [language](Message m) { return std::string(Say(m, language)); };
        sub.description(say(Message::RestoreDescription));
        sub.add_option("GAME", game_, say(Message::GameDescription))->required();
        named_ = sub.add_option("BACKUP", name_, say(Message::BackupNameDescription));
    }

    int Run(Console& console, Language language) override
    {
        // Only a name from the back-up folder: nothing else on the disk is put in the game.
        if (named_->count() > 0 && name_.empty())
            return UsageFailure(console, language, std::string(Say(Message::EmptyBackupName, language)));
        if (name_.find_first_of("/\\") != std::string::npos || name_.find("..") != std::string::npos)
            return UsageFailure(console, language, std::string(Say(Message::NotABackupName, language)) + ": " + name_);
        if (!RequireGame(game_, console, language))
            return kDataFailure;
        return Guarded(console, language, game_, [&] { return Restore::PutBack(console, language); });
    }

private:
    int PutBack(Console& console, Language language)
    {
        const game::Path folder = game::FullPath(game::FromUtf8(game_));
        // The back-up is chosen and put back under one hold of the lock: no write comes between.
        auto lock = game::LockWriters(game::PlatformFiles(), folder);
        game::WriteOptions options;
        options.lockHeld = true;
        std::vector<game::Backup> backups = game::ListBackups(game::PlatformFiles(), folder);
        // The newest is the newest that can be put back; a name is taken as it is.
        auto found = std::find_if(backups.begin(), backups.end(), [&](const game::Backup& b) {
            return name_.empty() ? b.kind == game::EntryKind::File : NameOf(b) == name_;
        });
        if (found == backups.end())
            return Report(console, kDataFailure,
                          game_ + ": " + std::string(Say(Message::NoBackup, language)) + (name_.empty() ? "" : " " + name_));
        if (found->kind != game::EntryKind::File)
            return Report(console, kDataFailure,
                          game::ToUtf8(found->path) + ": " + OddKindText(found->kind, language) + ": " +
                              std::string(Say(Message::NotRestored, language)));
        std::string bytes;
        std::vector<std::string> laterRows;
        if (!found->marker) {
            bytes = game::PlatformFiles().ReadWhole(found->path, game::kMaxTableSize);
            laterRows = game::ReadTableBytes(bytes, {}).laterRows;
        }
        game::WriteResult result =
            found->marker ? game::RemoveTable(folder, options) : game::WriteTable(folder, bytes, options);
        const std::string target = game::ToUtf8(result.target);
        const std::string done = found->marker
                                     ? std::string(Say(Message::Removed, language)) + " " + target
                                     : std::string(Say(Message::Restored, language)) + " " + NameOf(*found) + ": " + target;
        return ReportWrite(console, language, result, done, laterRows);
    }

    std::string game_;
    std::string name_;
    CLI::Option* named_ = nullptr;
};

}  // namespace

std::unique_ptr<Subcommand> BackupsCommand()
{
    return std::make_unique<Backups>();
}

std::unique_ptr<Subcommand> RestoreCommand()
{
    return std::make_unique<Restore>();
}

}  // namespace cli
