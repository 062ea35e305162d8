#include "table/Templates.h"

#include <stdexcept>

#include "framework/Cp1251Literal.h"

namespace app {

using namespace fw::literals;

namespace {

enum Activity { kTraps, kLocks, kScrolls };

// A run of levels sharing one value.
struct Run {
    int count;
    int value;
};

struct Template {
    const char* identifier;
    Activity activity;
    std::vector<Run> runs;
};

std::vector<Run> Each(std::initializer_list<int> values)
{
    std::vector<Run> runs;
    for (int v : values)
        runs.push_back({1, v});
    return runs;
}

std::vector<Run> Steps(int a, int b, int c, int d)
{
    return {{5, a}, {5, b}, {5, c}, {25, d}};
}

const std::vector<Template>& Catalogue()
{
    static const std::vector<Template> templates = {
        {"bg2dtrp", kTraps, Steps(1000, 1750, 2750, 3250)},
        {"bg2plck", kLocks, Steps(250, 400, 950, 1550)},
        {"bg2spl", kScrolls, Each({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000})},
        {"bgtplck", kLocks, Steps(10, 16, 38, 62)},
        {"bgtdtrp", kTraps, Steps(20, 35, 55, 65)},
        {"bgtspl", kScrolls, Each({10, 20, 30, 40, 50, 60, 70, 80, 90})},
        {"p10dtrp", kTraps, Steps(100, 175, 275, 325)},
        {"p10plck", kLocks, Steps(25, 40, 95, 155)},
        {"p10spl", kScrolls, Each({100, 200, 300, 400, 500, 600, 700, 800, 900})},
        {"p50dtrp", kTraps, Steps(500, 875, 1375, 1625)},
        {"p50plck", kLocks, Steps(125, 200, 475, 775)},
        {"p50spl", kScrolls, Each({500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500})},
        {"prgdtrp", kTraps, Each({10,  20,  30,  40,  50,  65,  80,   100,  120,  150,  175,  200,  230, 260,
                                  300, 330, 360, 400, 450, 500, 550,  600,  650,  710,  770,  830,  900, 1000,
                                  1075, 1150, 1250, 1350, 1460, 1570, 1700, 1850, 2000, 2250, 2500, 3250})},
        {"prgplck", kLocks, Each({5,   10,  15,  20,  25,  30,  40,  50,  60,  75,  85,   100,  115,  130,
                                  150, 165, 180, 200, 225, 250, 275, 300, 325, 350, 385,  415,  450,  500,
                                  535, 575, 625, 675, 725, 785, 850, 925, 1000, 1125, 1250, 1550})},
        {"prgspl", kScrolls, Each({100, 250, 500, 1000, 1500, 2300, 3500, 5000, 9000})},
        {"bgdtrp", kTraps, {{40, 0}}},
        {"bgplck", kLocks, {{40, 0}}},
        {"bgspl", kScrolls, {{9, 0}}},
    };
    return templates;
}

std::string Title(Activity activity)
{
    switch (activity) {
    case kTraps: return std::string(ColumnTitle(kTrapsColumn));
    case kLocks: return std::string(ColumnTitle(kLocksColumn));
    case kScrolls: break;
    }
    return std::string(ColumnTitle(kScrollsColumn));
}

const Template& At(int position)
{
    if (position < 0 || position >= kTemplateCount)
        throw std::out_of_range("template position");
    return Catalogue()[static_cast<size_t>(position)];
}

}  // namespace

std::vector<std::string> BuiltInTemplates::Lines(int position) const
{
    const Template& t = At(position);
    std::vector<std::string> lines{Title(t.activity)};
    for (const Run& run : t.runs)
        lines.insert(lines.end(), static_cast<size_t>(run.count), std::to_string(run.value));
    return lines;
}

const char* BuiltInTemplates::Identifier(int position)
{
    return At(position).identifier;
}

std::string_view ColumnTitle(int column)
{
    switch (column) {
    case kTrapsColumn: return "Ловушки"_cp1251;
    case kLocksColumn: return "Взлом замков"_cp1251;
    case kScrollsColumn: return "Изучение свитков"_cp1251;
    default: return {};
    }
}

int TemplateForChoice(int column, int choice)
{
    // Rows: choices 0 to 5; columns: traps, locks, scrolls. The trilogy family stores
    // its locks template before its traps template.
    static const int kMap[6][3] = {
        {4, 3, 5}, {0, 1, 2}, {6, 7, 8}, {9, 10, 11}, {12, 13, 14}, {15, 16, 17},
    };
    if (column < kTrapsColumn || column > kScrollsColumn || choice < 0 || choice > 5)
        return -1;
    return kMap[choice][column - kTrapsColumn];
}

void CopyColumn(const std::vector<std::string>& lines, int column, CellAccess& cells)
{
    size_t count = lines.size() < static_cast<size_t>(kRowCount) ? lines.size() : static_cast<size_t>(kRowCount);
    for (size_t row = 0; row < count; ++row)
        cells.SetCell(column, static_cast<int>(row), lines[row]);
}

void ApplyChoice(const TemplateSource& templates, int column, int choice, CellAccess& cells)
{
    int position = TemplateForChoice(column, choice);
    if (position >= 0)
        CopyColumn(templates.Lines(position), column, cells);
}

}  // namespace app
