#include "game/TemplateMatch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/CellAccess.h"
#include "app/Templates.h"

namespace game {

int GridColumn(Activity activity)
{
    switch (activity) {
    case Activity::Locks: return app::kLocksColumn;
    case Activity::Traps: return app::kTrapsColumn;
    case Activity::Scrolls: break;
    }
    return app::kScrollsColumn;
}

namespace {

// The values of every template, by position, converted once.
const std::vector<std::vector<std::int32_t>>& TemplateValues()
{
    static const std::vector<std::vector<std::int32_t>> all = [] {
        std::vector<std::vector<std::int32_t>> values(app::kTemplateCount);
        for (int position = 0; position < app::kTemplateCount; ++position) {
            std::vector<std::string> lines = app::BuiltInTemplates().Lines(position);
            for (std::size_t i = 1; i < lines.size(); ++i)
                values[position].push_back(std::stoi(lines[i]));
        }
        return values;
    }();
    return all;
}

}  // namespace

std::optional<int> MatchTemplate(Activity activity, const std::array<std::int32_t, kLevels>& levels)
{
    for (int choice = 0; choice < app::kCustomChoice; ++choice) {
        const auto& values = TemplateValues()[std::size_t(app::TemplateForChoice(GridColumn(activity), choice))];
        if (std::equal(values.begin(), values.end(), levels.begin()))
            return choice;
    }
    return std::nullopt;
}

}  // namespace game
