// The stored experience templates and the rule that turns a list choice into a column copy.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table/CellAccess.h"

namespace app {

inline constexpr int kTemplateCount = 18;
inline constexpr int kCustomChoice = 6;  // the editing mode: loads nothing

// Where the templates come from: by position 0 to 17, each a title line followed by
// 40 (traps, locks) or 9 (scrolls) values.
class TemplateSource {
public:
    virtual ~TemplateSource() = default;
    virtual std::vector<std::string> Lines(int position) const = 0;
};

// The eighteen templates built into the program.
class BuiltInTemplates : public TemplateSource {
public:
    std::vector<std::string> Lines(int position) const override;
    static const char* Identifier(int position);
};

// The title every template of the column's activity starts with (code page 1251); empty
// for a column that is not traps, locks or scrolls.
std::string_view ColumnTitle(int column);

// The template position that choice 0..5 of the list for the given column loads,
// or -1 for the custom choice, no selection or anything else.
int TemplateForChoice(int column, int choice);

// Writes the lines into rows 0 .. n-1 of the column; rows below are left as they are.
void CopyColumn(const std::vector<std::string>& lines, int column, CellAccess& cells);

// Applies a list choice to its column: copies the mapped template, or nothing.
void ApplyChoice(const TemplateSource& templates, int column, int choice, CellAccess& cells);

}  // namespace app
