#include "cli/TemplatesOutput.h"

#include "table/Templates.h"
#include "cli/Activity.h"
#include "cli/LevelRuns.h"
#include "cli/Messages.h"

namespace cli {

std::vector<TemplateEntry> TemplateEntries()
{
    const app::BuiltInTemplates templates;
    std::vector<TemplateEntry> entries;
    for (game::Activity activity : {game::Activity::Locks, game::Activity::Traps, game::Activity::Scrolls}) {
        for (int choice = 0; choice < 6; ++choice) {
            TemplateEntry entry{activity, choice, app::TemplateForChoice(ActivityColumn(activity), choice), {}, {}, {}};
            entry.identifier = app::BuiltInTemplates::Identifier(entry.position);
            entry.text = ChoiceTextUtf8(activity, choice);
            // Line 0 is the title; the values follow.
            const std::vector<std::string> lines = templates.Lines(entry.position);
            for (size_t level = 1; level < lines.size() && level <= entry.levels.size(); ++level)
                entry.levels[level - 1] = std::stoi(lines[level]);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::string TemplatesText(Language language)
{
    std::string text;
    for (const TemplateEntry& entry : TemplateEntries()) {
        if (entry.choice == 0)
            text += std::string(text.empty() ? "" : "\n") + ActivityName(entry.activity, language) + ":\n";
        text += "  " + std::to_string(entry.choice) + ". " + entry.text + " (" + std::string(Say(Message::Identifier, language)) +
                " " + entry.identifier + ")\n     " + LevelRuns(entry.levels) + "\n";
    }
    return text;
}

nlohmann::ordered_json TemplatesJson()
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const TemplateEntry& entry : TemplateEntries()) {
        list.push_back({{"activity", ActivityKey(entry.activity)},
                        {"template", entry.choice},
                        {"identifier", entry.identifier},
                        {"text", entry.text},
                        {"levels", entry.levels}});
    }
    return list;
}

}  // namespace cli
