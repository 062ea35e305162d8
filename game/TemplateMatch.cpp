#include "game/TemplateMatch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/CellAccess.h"
#include "app/Templates.h"

namespace game {

namespace {

int Column(Activity activity)
{
    switch (activity) {
    case Activity::Locks: return app::kLocksColumn;
    case Activity::Traps: return app::kTrapsColumn;
    case Activity::Scrolls: break;
    }
    return app::kScrollsColumn;
}

std::vector<std::int32_t> TemplateValues(int position)
{
    std::vector<std::string> lines = app::BuiltInTemplates().Lines(position);
    std::vector<std::int32_t> values;
    for (std::size_t i = 1; i < lines.size(); ++i)
        values.push_back(std::stoi(lines[i]));
    return values;
}

}  // namespace

std::optional<int> MatchTemplate(Activity activity, const std::array<std::int32_t, kLevels>& levels)
{
    for (int choice = 0; choice < app::kCustomChoice; ++choice) {
        std::vector<std::int32_t> values = TemplateValues(app::TemplateForChoice(Column(activity), choice));
        if (std::equal(values.begin(), values.end(), levels.begin()))
            return choice;
    }
    return std::nullopt;
}

}  // namespace game
