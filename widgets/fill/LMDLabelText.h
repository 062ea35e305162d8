// How the labels hand their caption to the platform's text-drawing call: the flags for
// drawing and for measuring, worked out without the platform so the rules are tested natively.
#pragma once

#include <string>

#include "widgets/fill/LMDAlignment.h"

// A set: extra text-drawing flags of a label.
enum TLMDLabelOption : unsigned { loPathEllipsis = 1, loEndEllipsis = 2, loEditControl = 4 };

namespace lmd {

// The platform's DT_ values.
constexpr unsigned kDtCenter = 0x1;
constexpr unsigned kDtRight = 0x2;
constexpr unsigned kDtVCenter = 0x4;
constexpr unsigned kDtBottom = 0x8;
constexpr unsigned kDtWordBreak = 0x10;
constexpr unsigned kDtSingleLine = 0x20;
constexpr unsigned kDtExpandTabs = 0x40;
constexpr unsigned kDtCalcRect = 0x400;
constexpr unsigned kDtNoPrefix = 0x800;
constexpr unsigned kDtEditControl = 0x2000;
constexpr unsigned kDtPathEllipsis = 0x4000;
constexpr unsigned kDtEndEllipsis = 0x8000;

// The label settings the flags depend on.
struct TextLayout {
    unsigned options = 0;  // TLMDLabelOption values
    TLMDAlignment alignment = agTopLeft;
    bool autoSize = true;
    bool multiLine = false;
    bool showAccelChar = true;
    int angle = 0;
};

// The flags the caption is drawn with. Word breaks are always asked for: an auto-sized
// label is exactly as wide as its widest line, so nothing breaks that was not measured so.
unsigned DrawFlags(const TextLayout& layout);
// The flags the caption is measured with for auto-sizing: no alignment and no single-line
// flag, so the widest line decides the width.
unsigned MeasureFlags(const TextLayout& layout);
// The text measured for auto-sizing: a single space stands in for an empty caption and for
// a lone "&" that would only mark an accelerator, so the label keeps one line's height.
std::string MeasuredText(const std::string& caption, bool showAccelChar);

}  // namespace lmd
