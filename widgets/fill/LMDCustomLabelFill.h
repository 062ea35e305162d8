// A label whose letters show a fill (a gradient, a brush or a picture) instead of a plain
// text colour, while everything around the letters is left as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "framework/Gdi.h"
#include "widgets/fill/LMDCanvasPixels.h"
#include "widgets/fill/LMDCustomLabel.h"
#include "widgets/fill/LMDFillObject.h"

class TLMDCustomLabelFill : public TLMDCustomLabel {
public:
    // 30 by 30, Arial 28 points, no fill yet.
    explicit TLMDCustomLabelFill(fw::Component* owner = nullptr);
    ~TLMDCustomLabelFill() override;
    std::string ClassName() const override { return "TLMDCustomLabelFill"; }

    // The owned fill of the letters; its changes resize and repaint. Setting copies the values.
    TLMDFillObject& FillObject() { return fillObject_; }
    const TLMDFillObject& FillObject() const { return fillObject_; }
    void SetFillObject(const TLMDFillObject& value) { fillObject_.Assign(value); }

    // The background the caption is drawn on before the fill goes in. Pixels that end up in
    // exactly this colour are not painted, so a fill pixel of this colour shows nothing.
    fw::Color BrushBackColor() const { return brushBackColor_; }
    void SetBrushBackColor(fw::Color value) { SetProperty(brushBackColor_, value); }

    // With an empty fill or while disabled, the caption is painted the plain way.
    void Paint(fw::Canvas& canvas) override;

protected:
    // Nothing is resized or repainted while loading or painting.
    void Changed() override;

private:
    void PaintFilled(fw::Canvas& canvas);
    void PaintFillImage(fw::Canvas& canvas, int width, int height) const;
    std::span<const std::uint32_t> FillImage(int width, int height, std::uint32_t font);
    void PaintFilledOffScreen(HDC dc, const RECT& area);
    void PaintFilledInPlace(fw::Canvas& canvas, const RECT& area, const lmd::CanvasPixels& pixels);

    TLMDFillObject fillObject_;
    fw::Color brushBackColor_ = fw::clBtnFace;
    bool painting_ = false;
    // The last fill image (FillImage), the letters' colour it was made for, and whether the
    // fill has stayed as it was since.
    std::unique_ptr<fw::DibSection> fillImage_;
    std::uint32_t fillFont_ = 0;
    bool fillKept_ = false;
    // What lies under the label, for paints on canvases whose pixels are not at hand.
    std::unique_ptr<fw::DibSection> offScreen_;
};
