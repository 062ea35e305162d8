#include "cli/Activity.h"

#include "table/CellAccess.h"
#include "table/ChoiceTexts.h"
#include "table/Templates.h"
#include "framework/Cp1251Utf8.h"
#include "table/TemplateMatch.h"

namespace cli {

std::string_view ActivityKey(game::Activity activity)
{
    switch (activity) {
    case game::Activity::Locks: return "locks";
    case game::Activity::Traps: return "traps";
    case game::Activity::Scrolls: break;
    }
    return "scrolls";
}

std::string ActivityName(game::Activity activity, Language language)
{
    if (language == Language::Russian)
        return fw::Cp1251ToUtf8(app::ColumnTitle(ActivityColumn(activity)));
    switch (activity) {
    case game::Activity::Locks: return "Locks";
    case game::Activity::Traps: return "Traps";
    case game::Activity::Scrolls: break;
    }
    return "Scrolls";
}

int ActivityColumn(game::Activity activity)
{
    return app::GridColumn(activity);
}

std::string ChoiceTextUtf8(game::Activity activity, int choice)
{
    return fw::Cp1251ToUtf8(app::ChoiceText(ActivityColumn(activity), choice));
}

}  // namespace cli
