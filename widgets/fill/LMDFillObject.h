// The fill object: paints a rectangle with a brush, a picture or a gradient, and tells its
// owner (a filled label) about every change of its own or of its brush and gradient.
#pragma once

#include <string>

#include "framework/Brush.h"
#include "widgets/fill/LMDAlignment.h"
#include "widgets/fill/LMDShapeFill.h"

namespace fw {
class Canvas;
}
// The platform's RECT, named by its tag so that this header needs no platform header.
struct tagRECT;

enum TLMDFillOption : unsigned { foFillInner = 1, foQuickDraw = 2, foGrUseBitmap = 4 };

class TLMDFillObject : public TLMDShapeFill {
public:
    // Style sfNone, Options foFillInner and foGrUseBitmap, the gradient at its defaults.
    explicit TLMDFillObject(fw::SystemColorLookup systemColors);
    ~TLMDFillObject() override;

    std::string ClassName() const override { return "TLMDFillObject"; }

    // The brush of sfBrush; its changes are this object's changes. Setting copies the values.
    fw::Brush& Brush() { return brush_; }
    const fw::Brush& Brush() const { return brush_; }
    void SetBrush(const fw::Brush& value) { brush_.Assign(value); }

    // A set of TLMDFillOption values. foGrUseBitmap: the gradient is painted off-screen
    // and copied in one step.
    unsigned Options() const { return options_; }
    void SetOptions(unsigned value) { SetProperty(options_, value); }
    // Placement of the picture with tmNone.
    TLMDAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLMDAlignment value) { SetProperty(alignment_, value); }
    int OffsetX() const { return offsetX_; }
    void SetOffsetX(int value) { SetProperty(offsetX_, value); }
    int OffsetY() const { return offsetY_; }
    void SetOffsetY(int value) { SetProperty(offsetY_, value); }

    // Copies every setting of another fill object inside one update: one Change results.
    void Assign(const TLMDObject& source) override;

    // Paints `rect` of the canvas per Style and returns True; returns False, painting
    // nothing, for an empty fill (see IsEmpty) and for sfBrushBitmap without a picture.
    // `backColor` shows between the lines of a hatched brush and around a picture placed
    // with tmNone or tmCenter when foFillInner is set; the gradient does not use it.
    // `canvasOffScreen`: the canvas is an image nobody sees yet, so the gradient is drawn
    // straight into it whatever foGrUseBitmap says (the pixels are the same).
    bool PaintRect(fw::Canvas& canvas, const tagRECT& rect, fw::Color backColor, bool canvasOffScreen = false) const;

private:
    fw::Brush brush_;
    unsigned options_ = foFillInner | foGrUseBitmap;
    TLMDAlignment alignment_ = agTopLeft;
    int offsetX_ = 0;
    int offsetY_ = 0;
};
