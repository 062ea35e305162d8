#include "widgets/edit/SCEditExtents.h"

void TSCCharExtents::Build(TSCCharMeasurer& measurer)
{
    for (int code = 0; code < 256; ++code)
        table_[static_cast<std::size_t>(code)] = measurer.MeasureChar(static_cast<unsigned char>(code));
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
