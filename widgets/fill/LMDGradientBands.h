// Where each band of a gradient lies in a rectangle, per gradient style. Free of the
// platform, so that the shapes are tested natively as well as on the target.
#pragma once

#include <array>

enum TLMDGradientStyle {
    gstHorizontal,
    gstVertical,
    gstSquare,
    gstElliptic,
    gstTopLeft,
    gstTopRight,
    gstBottomLeft,
    gstBottomRight,
    gstTopLeftDiagonal,
    gstTopRightDiagonal,
};

// How a band is filled with the null pen. kFillRect covers left <= x < right and
// top <= y < bottom; kRectangle and kEllipse fill one pixel less in each direction than
// their box, as the platform's shape calls do without an outline.
enum class TLMDBandShapeKind { kFillRect, kRectangle, kEllipse, kPolygon };

struct TLMDBandPoint {
    int x;
    int y;
    bool operator==(const TLMDBandPoint&) const = default;
};

struct TLMDBandShape {
    TLMDBandShapeKind kind;
    // The box of kFillRect, kRectangle and kEllipse, normalised (left <= right, top <= bottom).
    int left = 0, top = 0, right = 0, bottom = 0;
    // The corners of kPolygon.
    std::array<TLMDBandPoint, 4> points{};
};

namespace lmd {

// Band i of n in a w by h rectangle, in the rectangle's own coordinates (origin 0, 0).
// The last band covers the whole rectangle in every style; band 0, the start colour, lies
// at the left, the top, the centre or the named corner.
TLMDBandShape BandShape(TLMDGradientStyle style, int i, int n, int w, int h);

// Horizontal bands are painted from band 0 up; every other style from the last band down,
// so that the smaller bands lie over the larger ones.
bool PaintsFirstBandFirst(TLMDGradientStyle style);

// A half-axis of an elliptic band: nearest(g / 1.4), halves to even. Computed in double,
// which gives the same integers as extended precision: g / 1.4 is 5g / 7, whose fraction is
// a multiple of 1/7 and so never within 1/14 of a half.
int EllipseHalfAxis(int g);

}  // namespace lmd
