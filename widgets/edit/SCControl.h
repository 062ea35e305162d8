// Base of the edit family's controls: a windowed, self-painted control that tells about
// changes of its content, knows whether the pointer is over it, carries a border set and
// fills its background.
#pragma once

#include <functional>
#include <string>

#include "framework/WinControl.h"
#include "widgets/edit/SCEditTypes.h"

class TSCCustomControl : public fw::WinControl {
public:
    explicit TSCCustomControl(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TSCCustomControl"; }

    TSCControlBorderProps& BorderProps() { return borderProps_; }
    const TSCControlBorderProps& BorderProps() const { return borderProps_; }
    bool MouseInControl() const { return mouseInControl_; }

    // The content changed (never while the window description is loading).
    std::function<void()> OnChange;

protected:
    // Raises OnChange unless loading; descendants do their own work first.
    virtual void Change();
    virtual fw::Color BackgroundColor() const { return GetColor(); }
    virtual void PaintBackground(fw::Canvas& canvas);
    // The background; descendants paint over it.
    void Paint(fw::Canvas& canvas) override;
    virtual void BorderChanged() { Invalidate(); }
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TSCControlBorderProps borderProps_;
    bool mouseInControl_ = false;
};
