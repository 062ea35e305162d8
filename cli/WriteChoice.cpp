#include "cli/WriteChoice.h"

#include <algorithm>

#include "table/CellAccess.h"
#include "table/Digits.h"
#include "table/Templates.h"
#include "table/XpBonusTable.h"
#include "cli/Activity.h"

namespace cli {

namespace {

constexpr std::string_view kCurrent = "current";
constexpr size_t kMostDigits = 4;  // what the window's grid takes

int LevelsOf(game::Activity activity)
{
    return activity == game::Activity::Scrolls ? app::kScrollLevelCount : app::kLevelCount;
}

std::optional<ChoiceError> ParseValues(std::string_view list, int levels, std::vector<std::string>& values)
{
    size_t start = 0;
    while (true) {
        size_t comma = std::min(list.find(',', start), list.size());
        std::string value(list.substr(start, comma - start));
        if (value.empty())
            return ChoiceError{ChoiceError::EmptyValue, std::string(list)};
        if (!app::AllDigits(value))
            return ChoiceError{ChoiceError::NotDigits, value};
        if (value.size() > kMostDigits)
            return ChoiceError{ChoiceError::TooLong, value};
        if (static_cast<int>(values.size()) == levels)
            return ChoiceError{ChoiceError::TooMany, value};
        values.push_back(value);
        if (comma == list.size())
            return std::nullopt;
        start = comma + 1;
    }
}

}  // namespace

std::optional<ChoiceError> ParseChoice(std::string_view text, int levels, Choice& choice)
{
    choice = {};
    size_t colon = text.find(':');
    std::string_view head = text.substr(0, colon);
    if (head.size() == 1 && head[0] >= '0' && head[0] <= '5')
        choice.listIndex = head[0] - '0';
    else if (head != kCurrent)
        return ChoiceError{ChoiceError::NotAChoice, std::string(head)};
    if (colon == std::string_view::npos)
        return std::nullopt;
    return ParseValues(text.substr(colon + 1), levels, choice.values);
}

std::optional<game::Finding> CurrentRefusal(const game::TableReading& current, game::Activity activity)
{
    static const char* const kBlocking[] = {"row-order", "leading-zero", "hex",           "not-a-number", "negative",
                                            "over-9999", "indented-row", "surplus-cells", "missing-row",  "missing"};
    int row = static_cast<int>(activity);
    for (const game::Finding& finding : current.findings) {
        bool blocking = std::any_of(std::begin(kBlocking), std::end(kBlocking),
                                    [&](const char* code) { return finding.code == code; });
        if (blocking && (!finding.row || *finding.row == row))
            return finding;
    }
    if (current.source.kind == game::SourceKind::None)
        return game::Finding{"missing", std::nullopt, std::nullopt, std::nullopt, "The game has no XP table."};
    return std::nullopt;
}

std::string TableBytes(const std::array<Choice, game::kTableRows>& byActivity, const game::TableReading* current)
{
    app::CellTable cells;
    for (int row = 0; row < int(game::kTableRows); ++row) {
        auto activity = static_cast<game::Activity>(row);
        const Choice& choice = byActivity[row];
        int column = ActivityColumn(activity);
        if (choice.listIndex) {
            app::CopyColumn(app::BuiltInTemplates().Lines(app::TemplateForChoice(column, *choice.listIndex)), column,
                            cells);
        } else {
            for (int level = 1; level <= LevelsOf(activity); ++level)
                cells.SetCell(column, level, std::to_string(current->activities[row].levels[level - 1]));
        }
        for (size_t i = 0; i < choice.values.size(); ++i)
            cells.SetCell(column, static_cast<int>(i) + 1, choice.values[i]);
    }
    return app::RenderXpBonusText(cells);
}

}  // namespace cli
