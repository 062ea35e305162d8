#include "widgets/fill/LMDGradientBands.h"

#include <algorithm>

#include "widgets/fill/LMDGradientMath.h"

namespace lmd {

namespace {

TLMDBandShape Box(TLMDBandShapeKind kind, int x1, int y1, int x2, int y2)
{
    TLMDBandShape shape{kind};
    shape.left = std::min(x1, x2);
    shape.right = std::max(x1, x2);
    shape.top = std::min(y1, y2);
    shape.bottom = std::max(y1, y2);
    return shape;
}

TLMDBandShape Polygon(TLMDBandPoint a, TLMDBandPoint b, TLMDBandPoint c, TLMDBandPoint d)
{
    TLMDBandShape shape{TLMDBandShapeKind::kPolygon};
    shape.points = {a, b, c, d};
    return shape;
}

}  // namespace

int EllipseHalfAxis(int g) { return NearestEven(g / 1.4); }

bool PaintsFirstBandFirst(TLMDGradientStyle style) { return style == gstHorizontal; }

TLMDBandShape BandShape(TLMDGradientStyle style, int i, int n, int w, int h)
{
    using K = TLMDBandShapeKind;
    // The band's extent: the share of the width and height up to and including band i.
    const int gw = MulDiv(i + 1, w, n);
    const int gh = MulDiv(i + 1, h, n);
    const int cx = w / 2, cy = h / 2;
    switch (style) {
    case gstHorizontal:
        return Box(K::kFillRect, MulDiv(i, w, n), 0, gw, h);
    case gstVertical:
        return Box(K::kFillRect, 0, MulDiv(i, h, n), w, gh);
    case gstSquare:
        return Box(K::kRectangle, cx - gw / 2, cy - gh / 2, cx + gw / 2 + 2, cy + gh / 2 + 2);
    case gstElliptic: {
        const int a = EllipseHalfAxis(gw), b = EllipseHalfAxis(gh);
        return Box(K::kEllipse, cx - a, cy - b, cx + a, cy + b);
    }
    case gstTopLeft:
        return Box(K::kRectangle, 0, 0, 1 + gw, 1 + gh);
    case gstTopRight:
        return Box(K::kRectangle, w - gw, 1 + gh, w + 1, 0);
    case gstBottomLeft:
        return Box(K::kRectangle, 1 + gw, h - gh, 0, h + 1);
    case gstBottomRight:
        return Box(K::kRectangle, w - gw, h - gh, w + 1, h + 1);
    case gstTopLeftDiagonal:
        return Polygon({0, 0}, {2 * gw, 0}, {0, 1 + 2 * gh}, {-2 * gw, 1 + 2 * gh});
    case gstTopRightDiagonal:
        return Polygon({w + 1, 0}, {w + 1 - 2 * gw, 0}, {w + 1, 2 * gh}, {w + 1 + 2 * gw, 2 * gh});
    }
    return TLMDBandShape{K::kFillRect};
}

}  // namespace lmd
