#include "table/TemplateMatch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "table/Templates.h"

namespace app {

int GridColumn(Activity activity)
{
    switch (activity) {
    case Activity::Locks: return kLocksColumn;
    case Activity::Traps: return kTrapsColumn;
    case Activity::Scrolls: break;
    }
    return kScrollsColumn;
}

namespace {

// The values of every template, by position, converted once.
const std::vector<std::vector<std::int32_t>>& TemplateValues()
{
    static const std::vector<std::vector<std::int32_t>> all = [] {
        std::vector<std::vector<std::int32_t>> values(kTemplateCount);
        for (int position = 0; position < kTemplateCount; ++position) {
            std::vector<std::string> lines = BuiltInTemplates().Lines(position);
            for (std::size_t i = 1; i < lines.size(); ++i)
                values[position].push_back(std::stoi(lines[i]));
        }
        return values;
    }();
    return all;
}

// Each activity's template values in choice order, looked up once: engine row order.
using ChoiceValues = std::array<const std::vector<std::int32_t>*, kCustomChoice>;
const std::array<ChoiceValues, 3>& ValuesByActivity()
{
    static const std::array<ChoiceValues, 3> all = [] {
        std::array<ChoiceValues, 3> byActivity{};
        for (Activity activity : {Activity::Locks, Activity::Traps, Activity::Scrolls})
            for (int choice = 0; choice < kCustomChoice; ++choice)
                byActivity[std::size_t(activity)][std::size_t(choice)] =
                    &TemplateValues()[std::size_t(TemplateForChoice(GridColumn(activity), choice))];
        return byActivity;
    }();
    return all;
}

}  // namespace

std::optional<int> MatchTemplate(Activity activity, const std::array<std::int32_t, kLevelCount>& levels)
{
    int choice = 0;
    for (const std::vector<std::int32_t>* values : ValuesByActivity()[std::size_t(activity)]) {
        // The first level tells most apart without a whole comparison.
        if (values->front() == levels.front() && std::equal(values->begin(), values->end(), levels.begin()))
            return choice;
        ++choice;
    }
    return std::nullopt;
}

}  // namespace app
