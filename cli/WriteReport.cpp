#include "cli/WriteReport.h"

#include <algorithm>

#include "cli/Command.h"
#include "cli/Failures.h"
#include "cli/Messages.h"
#include "cli/Printable.h"
#include "cli/SystemErrorText.h"
#include "game/TableFindings.h"
#include "game/TableReading.h"

namespace cli {

namespace {

// The rows past the third in the replaced table, kept in the back-up just made, that the new
// table lacks.
std::vector<std::string> RowsLeftOut(const game::WriteResult& result, const std::vector<std::string>& newRows)
{
    std::vector<std::string> lacking;
    if (!result.backup || result.backup->extension() == ".none")
        return lacking;
    std::vector<std::string> oldRows;
    try {
        oldRows = game::ReadTableFile(*result.backup).laterRows;
    } catch (const game::ReadError&) {
        return lacking;  // the back-up holds the bytes whatever they are
    }
    for (const std::string& label : oldRows)
        if (std::none_of(newRows.begin(), newRows.end(),
                         [&](const std::string& kept) { return game::SameNameIgnoringCase(kept, label); }))
            lacking.push_back(label);
    return lacking;
}

}  // namespace

int ReportWrite(Console& console, Language language, const game::WriteResult& result, const std::string& done,
                const std::vector<std::string>& newRows)
{
    auto say = [language](Message m) { return std::string(Say(m, language)); };
    if (!result.changed) {
        console.Out(Printable(game::ToUtf8(result.target)) + ": " + say(Message::Unchanged) + "\n");
        return kSuccess;
    }
    std::string text = Printable(done) + "\n";
    if (result.backup) {
        bool marker = result.backup->extension() == ".none";
        text += say(marker ? Message::KeptMarker : Message::KeptIn) + " " + Printable(game::ToUtf8(*result.backup)) + "\n";
    }
    std::vector<std::string> lacking = RowsLeftOut(result, newRows);
    if (!lacking.empty())
        text += say(Message::RowsLeftOut) + " " +
                Printable(game::QuotedLabels(lacking, say(Message::AndWord), say(Message::MoreWord))) + "; " +
                say(Message::BackupKeepsThem) + "\n";
    console.Out(text);
    if (result.replaceWarning)
        Report(console, kSuccess,
               say(Message::ReplaceWarning) + " " + FailureReason(*result.replaceWarning, language));
    if (result.flushFailure)
        Report(console, kSuccess, say(Message::FlushWarning) + " " + FailureReason(*result.flushFailure, language));
    return kSuccess;
}

}  // namespace cli
