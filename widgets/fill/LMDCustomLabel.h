// A label with a frame (bevel), caption effects and text options: it sizes itself to its
// caption measured in its font plus the frame, and paints the caption in its font colour,
// or grey while disabled.
#pragma once

#include <windows.h>

#include <string>

#include "widgets/fill/LMDBaseLabel.h"
#include "widgets/fill/LMDBevel.h"
#include "widgets/fill/LMDFxCaption.h"
#include "widgets/fill/LMDLabelText.h"

class TLMDCustomLabel : public TLMDBaseLabel {
public:
    explicit TLMDCustomLabel(fw::Component* owner = nullptr);
    ~TLMDCustomLabel() override;
    std::string ClassName() const override { return "TLMDCustomLabel"; }

    // The owned frame; its changes resize and repaint. Setting copies the values.
    TLMDBevel& Bevel() { return bevel_; }
    const TLMDBevel& Bevel() const { return bevel_; }
    void SetBevel(const TLMDBevel& value) { bevel_.Assign(value); }
    // The owned caption effects; their changes are handled as font changes. Setting copies.
    TLMDFxCaption& FontFX() { return fontFX_; }
    const TLMDFxCaption& FontFX() const { return fontFX_; }
    void SetFontFX(const TLMDFxCaption& value) { fontFX_.Assign(value); }

    // A set of TLMDLabelOption values: ellipses and edit-control line breaking.
    unsigned Options() const { return options_; }
    void SetOptions(unsigned value) { SetProperty(options_, value & (loPathEllipsis | loEndEllipsis | loEditControl)); }
    // The caption may break into several lines.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { SetProperty(multiLine_, value); }

    // The settings the text-drawing flags come from.
    lmd::TextLayout Layout() const;

    void Paint(fw::Canvas& canvas) override;

protected:
    void AdjustBounds() override;
    void FontChanged() override { FontChange(true); }
    void Loaded() override;

    // Fills the client area with Color unless see-through, and gives back the area inside
    // the frame.
    RECT PaintBackground(fw::Canvas& canvas);
    // Draws the caption in `color` into `area` of `dc` with the label's font, flags and
    // placement; an empty caption draws nothing.
    void DrawCaption(HDC dc, const RECT& area, fw::Color color) const;

private:
    // After a change of Font (`fromFont`) or of FontFX: a change of Font makes the font the
    // label's own. Rotation needs a TrueType font: a new font that cannot rotate ends the
    // rotation, and rotation asked of such a font switches it to Arial.
    void FontChange(bool fromFont);
    // Where the caption lies in `area`: all of it, except that a multi-line caption of a
    // label that does not size itself is measured and placed per Alignment, which the
    // platform does only for single lines.
    RECT CaptionRect(HDC dc, const RECT& area) const;

    TLMDBevel bevel_;
    TLMDFxCaption fontFX_;
    unsigned options_ = 0;
    bool multiLine_ = false;
};
