#include "widgets/edit/SCEditWords.h"

#include <algorithm>

namespace {

int Clamp(std::string_view text, int col)
{
    return std::clamp(col, 0, static_cast<int>(text.size()));
}

}  // namespace

int TSCEditWords::WordRight(std::string_view text, int col) const
{
    const int n = static_cast<int>(text.size());
    int i = Clamp(text, col);
    while (i < n && IsWordChar(text[i]))
        ++i;
    while (i < n && !IsWordChar(text[i]))
        ++i;
    return i;
}

int TSCEditWords::WordLeft(std::string_view text, int col) const
{
    int i = Clamp(text, col);
    while (i > 0 && !IsWordChar(text[i - 1]))
        --i;
    while (i > 0 && IsWordChar(text[i - 1]))
        --i;
    return i;
}

TSCTextRange TSCEditWords::WordAt(std::string_view text, int col) const
{
    const int n = static_cast<int>(text.size());
    TSCTextRange r{Clamp(text, col), Clamp(text, col)};
    while (r.Start > 0 && IsWordChar(text[r.Start - 1]))
        --r.Start;
    while (r.End < n && IsWordChar(text[r.End]))
        ++r.End;
    if (r.Start == r.End) {
        // Between separators: take the run of separators around the column.
        while (r.Start > 0 && !IsWordChar(text[r.Start - 1]))
            --r.Start;
        while (r.End < n && !IsWordChar(text[r.End]))
            ++r.End;
    }
    if (r.Start == 0 && n > 0 && !IsWordChar(text[0])) {
        // Leading separators: up to the first printable character, or a delimiter after the first.
        r.End = 1;
        while (r.End < n && IsBlank(text[r.End]) && !IsDelimiter(text[r.End]))
            ++r.End;
    }
    return r;
}
