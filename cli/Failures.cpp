#include "cli/Failures.h"

#include "cli/Messages.h"
#include "cli/Printable.h"
#include "cli/ReadErrorText.h"
#include "cli/SystemErrorText.h"
#include "game/FileSystem.h"
#include "game/Spellings.h"
#include "game/TableWriter.h"

namespace cli {

int Report(Console& console, ExitCode code, const std::string& what)
{
    console.Err("xptable: " + Printable(what) + "\n");
    return code;
}

std::string FileFailureText(const std::string& place, const fw::EInOutError& error, Language language)
{
    if (dynamic_cast<const game::WriterBusy*>(&error))
        return place + ": " + std::string(Say(Message::WriterBusy, language));
    std::string line = place + ": " + FailureReason(error, language);
    if (const auto* unsure = dynamic_cast<const game::ReplaceUnsure*>(&error))
        line += " " + std::string(Say(Message::KeptDespite, language)) + " " + game::ToUtf8(unsure->Backup());
    // Which spellings clash is what the user needs to mend it.
    if (const auto* conflict = dynamic_cast<const game::SpellingConflict*>(&error))
        for (const game::Path& path : conflict->Spellings())
            line += " " + game::ToUtf8(path);
    return line;
}

bool RequireGame(const std::string& path, Console& console, Language language)
{
    game::Path folder;
    Message problem = Message::NotAGame;
    game::EntryKind kind;
    try {
        // The folder as named, links followed.
        folder = game::FullPath(game::FromUtf8(path));
        kind = game::PlatformFiles().KindOf(folder, game::Links::Followed);
    } catch (const fw::EInOutError& e) {
        Report(console, kDataFailure, FileFailureText(path, e, language));
        return false;
    }
    if (kind != game::EntryKind::Folder)
        problem = kind == game::EntryKind::Missing ? Message::NoSuchPath : Message::NotAFolder;
    else if (!game::FindSpellings(game::PlatformFiles(), folder, game::kKeyFileName).empty())
        return true;
    Report(console, kDataFailure, path + ": " + std::string(Say(problem, language)));
    return false;
}

int UsageFailure(Console& console, Language language, const std::string& what)
{
    return Report(console, kUsage, what + ". " + std::string(Say(Message::UsageHint, language)));
}

int Guarded(Console& console, Language language, const std::string& place, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const game::ReadError& e) {
        return Report(console, kDataFailure, ReadErrorText(e, language));
    } catch (const fw::EInOutError& e) {
        return Report(console, kDataFailure, FileFailureText(place, e, language));
    }
}

}  // namespace cli
