#include "table/ChoiceTexts.h"

#include "table/CellAccess.h"
#include "framework/Cp1251Literal.h"

namespace app {

using namespace fw::literals;

std::string_view ChoiceText(int column, int choice)
{
    static constexpr std::string_view kCommon[kChoiceCount] = {
        "Таблица опыта, используемая для Baldur's Gate Trilogy"_cp1251,
        "Таблица опыта, используемая в оригинальном Baldur's Gate 2"_cp1251,
        "10% от значений таблицы опыта оригинального Baldur's Gate 2"_cp1251,
        "50% от значений таблицы опыта оригинального Baldur's Gate 2"_cp1251,
        "Таблица с прогрессирующей шкалой опыта"_cp1251,
        "",
        "Пользовательская таблица опыта (режим редактирования)"_cp1251,
    };
    static constexpr std::string_view kNone[] = {
        "Опыт за обезвреживание ловушек не выдается"_cp1251,
        "Опыт за взлом сундуков/дверей не выдается"_cp1251,
        "Опыт за изучение заклинаний со свитков не выдается"_cp1251,
    };
    if (column < kTrapsColumn || column > kScrollsColumn || choice < 0 || choice >= kChoiceCount)
        return {};
    return choice == 5 ? kNone[column - kTrapsColumn] : kCommon[choice];
}

std::vector<std::string> ChoiceTexts(int column)
{
    std::vector<std::string> items;
    for (int choice = 0; choice < kChoiceCount; ++choice)
        items.emplace_back(ChoiceText(column, choice));
    return items;
}

}  // namespace app
