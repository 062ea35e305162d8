// The family's label base: a windowless caption with its placement, auto-sizing and
// accelerator settings. A change of a setting resizes (Changed: AdjustBounds) and repaints
// (Redraw); how a label measures and paints is its descendants'.
#pragma once

#include <string>

#include "widgets/fill/LMDAlignment.h"
#include "widgets/fill/LMDBaseControl.h"

namespace fw {
class WinControl;
}

class TLMDBaseLabel : public TLMDBaseGraphicControl {
public:
    // 30 by 30 and see-through; Color clWindow until the parent's colour is taken.
    explicit TLMDBaseLabel(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TLMDBaseLabel"; }

    TLMDAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLMDAlignment value) { SetProperty(alignment_, value); }
    // The label sizes itself to its caption; switching it only resizes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // "&" marks the accelerator and is not drawn; shown ampersands take room.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value) { SetProperty(showAccelChar_, value); }

    // The control that takes the focus on the accelerator; forgotten when it is freed.
    fw::WinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(fw::WinControl* control);

protected:
    // Resizes, then repaints.
    virtual void Changed();
    // Sizes the label to its caption when AutoSize is on; the base has nothing to measure.
    virtual void AdjustBounds() {}
    // The common setter: an unchanged value is ignored, a new one is stored and Changed runs.
    template <typename T>
    void SetProperty(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    // The accelerator of the caption focuses FocusControl.
    bool DialogChar(char key) override;
    void TextChanged() override { Changed(); }
    void EnabledChanged() override { Redraw(); }
    void Notification(fw::Component* component) override;

private:
    TLMDAlignment alignment_ = agTopLeft;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    fw::WinControl* focusControl_ = nullptr;
};
