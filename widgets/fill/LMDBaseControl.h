// The family's windowless control layers the labels stand on: the family's control, with
// its own update counter and its way of repainting; the base control, which may let its
// parent show through; and the graphic control, painted in its windowed parent's pass.
#pragma once

#include <string>

#include "framework/Control.h"

class TLMDControl : public fw::Control {
public:
    explicit TLMDControl(fw::Component* owner = nullptr) : Control(owner) {}
    std::string ClassName() const override { return "TLMDControl"; }

    // Repaints are held back from the first BeginUpdate to the last EndUpdate, which
    // repaints once.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }

protected:
    // Asks for a repaint, unless updating or there is no parent window to paint in yet. A
    // see-through control waits for its parent's next paint, which draws the background
    // first; an opaque one covers its area itself and is painted at once.
    virtual void Redraw();

private:
    int updateCount_ = 0;
};

class TLMDBaseControl : public TLMDControl {
public:
    explicit TLMDBaseControl(fw::Component* owner = nullptr) : TLMDControl(owner) {}
    std::string ClassName() const override { return "TLMDBaseControl"; }

    // True: the parent shows through wherever the control paints nothing. False: the control
    // fills its area with Color first.
    bool Transparent() const override { return transparent_; }
    void SetTransparent(bool value);

    // While set, the control takes its parent's colour when it gets a parent; setting a
    // colour of its own clears it.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    void SetParent(fw::WinControl* parent) override;

protected:
    void ColorChanged() override;

private:
    void AdoptParentColor();

    bool transparent_ = false;
    bool parentColor_ = true;
    bool adoptingColor_ = false;
};

// Adds nothing here: the framework already paints windowless controls in their parent's pass.
class TLMDBaseGraphicControl : public TLMDBaseControl {
public:
    explicit TLMDBaseGraphicControl(fw::Component* owner = nullptr) : TLMDBaseControl(owner) {}
    std::string ClassName() const override { return "TLMDBaseGraphicControl"; }
};
