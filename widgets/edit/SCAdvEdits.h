// The game-folder field: a read-only text with a browse button at its right end.
// A plain version: the text, its change event and the button's click event.
#pragma once

#include <functional>
#include <string>

#include "framework/WinControl.h"

class TSCButtonEdit : public fw::WinControl {
public:
    explicit TSCButtonEdit(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TSCButtonEdit"; }

    const std::string& Text() const { return text_; }
    // Raises OnChange when the text becomes a different text.
    void SetText(const std::string& text);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The button's rectangle in client coordinates.
    RECT ButtonRect() const;

    std::function<void()> OnChange;
    // Raised on the press of the embedded button.
    std::function<void()> OnButtonClick;

protected:
    void Paint(fw::Canvas& canvas) override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;

private:
    std::string text_;
    bool readOnly_ = true;
    bool buttonDown_ = false;
};
