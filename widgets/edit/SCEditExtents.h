// Character extents of the edit's font: one measured (width, height) per single-byte
// code, and the line height and average character width derived from them.
#pragma once

#include <array>
#include <string_view>

struct TSCCharExtent {
    int Width = 0;
    int Height = 0;
};

using TSCCharExtentTable = std::array<TSCCharExtent, 256>;

// Measures every single-byte code, each alone, in the control's font: all at once, so the
// platform selects the font once for the 256. The control implements it with the platform
// (code page 1251 to Unicode, then the text extent); tests use fixed widths.
class TSCCharMeasurer {
public:
    virtual ~TSCCharMeasurer() = default;
    virtual void MeasureChars(TSCCharExtentTable& extents) = 0;
};

class TSCCharExtents {
public:
    bool Built() const { return built_; }
    // Measures codes 0..255; code 0 counts as width 0 whatever the font says.
    void Build(TSCCharMeasurer& measurer);
    // The font changed: measure again on next use.
    void Clear();

    const TSCCharExtent& Extent(char c) const { return table_[static_cast<unsigned char>(c)]; }
    int Width(char c) const { return Extent(c).Width; }
    int TextWidth(std::string_view text) const;
    // (height of "R" + height of "q") div 2 + 1
    int LineHeight() const;
    // (width of "W" + width of "i") div 2
    int AverageCharWidth() const;

private:
    TSCCharExtentTable table_{};
    bool built_ = false;
};
