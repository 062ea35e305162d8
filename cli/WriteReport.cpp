#include "cli/WriteReport.h"

#include "cli/Messages.h"

namespace cli {

std::string WriteReport(const game::WriteResult& result, const std::string& done, Language language)
{
    if (!result.changed)
        return game::ToUtf8(result.target) + ": " + std::string(Say(Message::Unchanged, language)) + "\n";
    std::string text = done + "\n";
    if (result.backup) {
        bool marker = result.backup->extension() == ".none";
        text += std::string(Say(marker ? Message::KeptMarker : Message::KeptIn, language)) + " " +
                game::ToUtf8(*result.backup) + "\n";
    }
    return text;
}

}  // namespace cli
