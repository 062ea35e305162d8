#include "cli/Failures.h"

#include <filesystem>
#include <system_error>

#include "cli/Command.h"
#include "cli/Messages.h"
#include "game/TableWriter.h"

namespace cli {

// The reader's text names the file and offset in English; in Russian they are named again
// around its reason.
std::string ReadErrorLine(const game::ReadError& error, Language language)
{
    std::string what = error.what();
    std::string place = game::ToUtf8(error.File());
    std::string englishPlace = place + (error.Offset() ? " at offset " + std::to_string(*error.Offset()) : "");
    if (language == Language::Russian && what.starts_with(englishPlace + ": ")) {
        what.erase(0, englishPlace.size() + 2);
        if (error.Offset())
            place += ", " + std::string(Say(Message::Offset, language)) + " " + std::to_string(*error.Offset());
        what = place + ": " + what;
    }
    for (char& c : what)
        if (c == '\n' || c == '\r')
            c = ' ';
    return "xptable: " + what + "\n";
}

std::string InOutErrorLine(const std::string& place, const fw::EInOutError& error, Language language)
{
    std::string line = "xptable: " + place + ": " + InOutErrorText(error.ErrorCode(), language);
    // Which spellings clash is what the user needs to mend it.
    if (const auto* conflict = dynamic_cast<const game::SpellingConflict*>(&error))
        for (const game::Path& path : conflict->Spellings())
            line += " " + game::ToUtf8(path);
    return line + "\n";
}

bool RequireFolder(const std::string& path, Console& console, Language language)
{
    std::error_code ignored;
    const game::Path folder = game::FromUtf8(path);
    if (std::filesystem::is_directory(folder, ignored))
        return true;
    Message problem = std::filesystem::exists(folder, ignored) ? Message::NotAFolder : Message::NoSuchPath;
    console.Err("xptable: " + path + ": " + std::string(Say(problem, language)) + "\n");
    return false;
}

int UsageFailure(Console& console, Language language, const std::string& what)
{
    console.Err("xptable: " + what + ". " + std::string(Say(Message::UsageHint, language)) + "\n");
    return kUsage;
}

int Guarded(Console& console, Language language, const std::string& place, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const game::ReadError& e) {
        console.Err(ReadErrorLine(e, language));
    } catch (const fw::EInOutError& e) {
        console.Err(InOutErrorLine(place, e, language));
    }
    return kDataFailure;
}

}  // namespace cli
