#include "cli/ShowOutput.h"

#include "cli/Activity.h"
#include "cli/LevelRuns.h"
#include "cli/Messages.h"
#include "cli/Printable.h"

namespace cli {

namespace {

using json = nlohmann::ordered_json;

std::string_view CompressionKey(game::Compression compression)
{
    switch (compression) {
    case game::Compression::Bifc: return "bifc";
    case game::Compression::Bif: return "bif";
    case game::Compression::None: break;
    }
    return "none";
}

std::string SourceLine(const game::TableSource& source, Language language)
{
    auto say = [language](Message m) { return std::string(Say(m, language)); };
    const std::string path = Printable(game::ToUtf8(source.path));
    switch (source.kind) {
    case game::SourceKind::Override: return say(Message::SourceOverride) + " " + path;
    case game::SourceKind::File: return say(Message::SourceFile) + " " + path;
    case game::SourceKind::Archive: {
        std::string compression = source.compression == game::Compression::None
                                      ? say(Message::NotCompressed)
                                      : say(Message::Compressed) + " " + (source.compression == game::Compression::Bifc ? "BIFC" : "BIF");
        return say(Message::SourceArchive) + " " + Printable(game::ToUtf8(source.archive)) + " (" + compression + "), " +
               say(Message::Through) + " " + path;
    }
    case game::SourceKind::None: break;
    }
    return say(Message::SourceNone);
}

std::string ActivityLines(const game::ActivityReading& activity, Language language)
{
    auto say = [language](Message m) { return std::string(Say(m, language)); };
    std::string label = activity.label ? say(Message::Label) + " " + Printable(*activity.label) : say(Message::Label) + ": " + say(Message::MissingRow);
    std::string templateText = activity.templateChoice ? ChoiceTextUtf8(activity.activity, *activity.templateChoice) : say(Message::Custom);
    return ActivityName(activity.activity, language) + " (" + say(Message::Row) + " " + std::to_string(activity.row) + ", " + label +
           "), " + say(Message::Template) + ": " + templateText + "\n  " + LevelRuns(activity.levels) + "\n";
}

std::string FindingLine(const game::Finding& finding, Language language)
{
    std::string where;
    auto add = [&](Message m, const std::optional<int>& value) {
        if (value)
            where += (where.empty() ? "" : ", ") + std::string(Say(m, language)) + " " + std::to_string(*value);
    };
    add(Message::Line, finding.line);
    add(Message::Row, finding.row);
    add(Message::Level, finding.level);
    return "  " + (where.empty() ? "" : where + ": ") + "[" + std::string(finding.code) + "] " + Printable(finding.message) + "\n";
}

json Nullable(const std::optional<int>& value)
{
    return value ? json(*value) : json(nullptr);
}

}  // namespace

std::string ShowText(const game::TableReading& reading, Language language)
{
    std::string text = SourceLine(reading.source, language) + "\n";
    text += std::string(Say(Message::Cap, language)) + ": " + std::to_string(reading.cap) + "\n";
    text += std::string(Say(Message::Default, language)) + ": \"" + Printable(reading.defaultText) + "\" = " +
            std::to_string(reading.defaultValue) + "\n\n";
    for (const game::ActivityReading& activity : reading.activities)
        text += ActivityLines(activity, language);
    text += "\n";
    if (reading.findings.empty())
        return text + std::string(Say(Message::NoFindings, language)) + "\n";
    text += std::string(Say(Message::Findings, language)) + "\n";
    for (const game::Finding& finding : reading.findings)
        text += FindingLine(finding, language);
    return text;
}

json ShowJson(const game::TableReading& reading)
{
    static const char* const kKinds[] = {"override", "archive", "file", "none"};
    json source = {{"kind", kKinds[static_cast<int>(reading.source.kind)]}, {"path", game::ToUtf8(reading.source.path)}};
    if (reading.source.kind == game::SourceKind::Archive)
        source["archive"] = game::ToUtf8(reading.source.archive);
    source["compression"] = CompressionKey(reading.source.compression);
    json activities = json::array();
    for (const game::ActivityReading& a : reading.activities) {
        activities.push_back({{"activity", ActivityKey(a.activity)},
                              {"row", a.row},
                              {"label", a.label ? json(*a.label) : json(nullptr)},
                              {"levels", a.levels},
                              {"template", Nullable(a.templateChoice)}});
    }
    json findings = json::array();
    for (const game::Finding& f : reading.findings) {
        findings.push_back({{"code", f.code}, {"row", Nullable(f.row)}, {"line", Nullable(f.line)},
                            {"level", Nullable(f.level)}, {"message", f.message}});
    }
    return {{"source", source},
            {"cap", reading.cap},
            {"default", {{"text", reading.defaultText}, {"value", reading.defaultValue}}},
            {"activities", activities},
            {"findings", findings}};
}

}  // namespace cli
