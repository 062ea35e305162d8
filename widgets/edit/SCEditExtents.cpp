#include "widgets/edit/SCEditExtents.h"

void TSCCharExtents::Build(TSCCharMeasurer& measurer)
{
    measurer.MeasureChars(table_);
    table_[0].Width = 0;
    built_ = true;
}

void TSCCharExtents::Clear()
{
    table_.fill(TSCCharExtent{});
    built_ = false;
}

int TSCCharExtents::TextWidth(std::string_view text) const
{
    int width = 0;
    for (char c : text)
        width += Width(c);
    return width;
}

int TSCCharExtents::LineHeight() const
{
    return (Extent('R').Height + Extent('q').Height) / 2 + 1;
}

int TSCCharExtents::AverageCharWidth() const
{
    return (Width('W') + Width('i')) / 2;
}
