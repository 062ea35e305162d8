#include "widgets/fill/LMDLabelText.h"

namespace lmd {

namespace {

unsigned OptionFlags(unsigned options)
{
    unsigned flags = 0;
    if (options & loPathEllipsis)
        flags |= kDtPathEllipsis;
    if (options & loEndEllipsis)
        flags |= kDtEndEllipsis;
    if (options & loEditControl)
        flags |= kDtEditControl;
    return flags;
}

unsigned AlignmentFlags(TLMDAlignment alignment)
{
    // Three columns (left, centre, right) in three rows (top, middle, bottom).
    static constexpr unsigned kColumn[3] = {0, kDtCenter, kDtRight};
    static constexpr unsigned kRow[3] = {0, kDtVCenter, kDtBottom};
    const int index = static_cast<int>(alignment);
    if (index < 0 || index > agBottomRight)
        return 0;
    return kColumn[index % 3] | kRow[index / 3];
}

}  // namespace

unsigned DrawFlags(const TextLayout& layout)
{
    unsigned flags = OptionFlags(layout.options) | kDtWordBreak | kDtExpandTabs | AlignmentFlags(layout.alignment);
    if (!layout.autoSize && (!layout.multiLine || layout.angle != 0))
        flags |= kDtSingleLine;
    if (!layout.showAccelChar)
        flags |= kDtNoPrefix;
    return flags;
}

unsigned MeasureFlags(const TextLayout& layout)
{
    unsigned flags = OptionFlags(layout.options) | kDtCalcRect | kDtExpandTabs;
    if (layout.multiLine)
        flags |= kDtWordBreak;
    if (!layout.showAccelChar)
        flags |= kDtNoPrefix;
    return flags;
}

std::string MeasuredText(const std::string& caption, bool showAccelChar)
{
    if (caption.empty() || (showAccelChar && caption == "&"))
        return " ";
    return caption;
}

}  // namespace lmd
