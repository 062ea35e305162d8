// `xptable write GAME --locks CHOICE --traps CHOICE --scrolls CHOICE [--dry-run]`: the file
// the window would write for the same columns, through the one writer.
#include <array>

#include "table/CellAccess.h"
#include "cli/Activity.h"
#include "cli/Command.h"
#include "cli/Failures.h"
#include "cli/Messages.h"
#include "cli/Subcommand.h"
#include "cli/WriteChoice.h"
#include "cli/WriteReport.h"
#include "game/TableWriter.h"

namespace cli {

namespace {

constexpr game::Activity kActivities[] = {game::Activity::Locks, game::Activity::Traps, game::Activity::Scrolls};

Message ChoiceProblem(ChoiceError::Kind kind)
{
    switch (kind) {
    case ChoiceError::NotAChoice: return Message::NotAChoice;
    case ChoiceError::EmptyValue: return Message::EmptyValue;
    case ChoiceError::NotDigits: return Message::NotDigits;
    case ChoiceError::TooLong: return Message::TooLong;
    case ChoiceError::TooMany: break;
    }
    return Message::TooMany;
}

// "Traps current: the game's current values ...: [leading-zero] line 4: ...; give ..."
std::string RefusalText(game::Activity activity, const game::Finding& finding, Language language)
{
    std::string where = finding.line ? std::string(Say(Message::Line, language)) + " " + std::to_string(*finding.line) + ": " : "";
    return ActivityName(activity, language) + " current: " + std::string(Say(Message::CurrentRefused, language)) +
           ": [" + std::string(finding.code) + "] " + where + finding.message + " " + std::string(Say(Message::GiveChoice, language)) + ".";
}

class Write : public Subcommand {
public:
    void Describe(CLI::App& sub, Language language) override
    {
        auto say = [language](Message m) { return std::string(Say(m, language)); };
        sub.description(say(Message::WriteDescription));
        sub.add_option("GAME", game_, say(Message::GameDescription))->required();
        for (int i = 0; i < int(game::kTableRows); ++i)
            sub.add_option("--" + std::string(ActivityKey(kActivities[i])), texts_[i], say(Message::ChoiceDescription))
                ->type_name("CHOICE");
        sub.add_flag("--dry-run", dryRun_, say(Message::DryRunFlag));
    }

    int Run(Console& console, Language language) override
    {
        std::array<Choice, game::kTableRows> choices;
        for (int i = 0; i < int(game::kTableRows); ++i) {
            int levels = kActivities[i] == game::Activity::Scrolls ? app::kScrollLevelCount : app::kLevelCount;
            if (auto error = ParseChoice(texts_[i], levels, choices[i]))
                return UsageFailure(console, language, "--" + std::string(ActivityKey(kActivities[i])) + ": " +
                                                           std::string(Say(ChoiceProblem(error->kind), language)) + ": " + error->value);
        }
        if (!RequireGame(game_, console, language))
            return kDataFailure;
        return Guarded(console, language, game_, [&] {
            return Write::WriteChoices(choices, game::FullPath(game::FromUtf8(game_)), console, language);
        });
    }

private:
    int WriteChoices(const std::array<Choice, game::kTableRows>& choices, const game::Path& folder, Console& console, Language language)
    {
        // The current values are read and the table replaced under one hold of the lock.
        std::unique_ptr<game::HeldLock> lock;
        if (!dryRun_)
            lock = game::LockWriters(game::PlatformFiles(), folder);
        std::optional<game::TableReading> current;
        for (int i = 0; i < int(game::kTableRows); ++i) {
            if (choices[i].listIndex)
                continue;
            if (!current)
                current = game::ReadGameTable(folder);
            if (auto finding = CurrentRefusal(*current, kActivities[i]))
                return Report(console, kDataFailure, RefusalText(kActivities[i], *finding, language));
        }
        const std::string bytes = TableBytes(choices, current ? &*current : nullptr);
        if (dryRun_) {
            console.Out(bytes);
            return kSuccess;
        }
        game::WriteOptions options;
        options.lockHeld = true;
        game::WriteResult result = game::WriteTable(folder, bytes, options);
        // The window's file has the three rows only.
        return ReportWrite(console, language, result,
                           std::string(Say(Message::Written, language)) + " " + game::ToUtf8(result.target), {});
    }

    std::string game_;
    std::array<std::string, game::kTableRows> texts_{"current", "current", "current"};
    bool dryRun_ = false;
};

}  // namespace

std::unique_ptr<Subcommand> WriteCommand()
{
    return std::make_unique<Write>();
}

}  // namespace cli
