// The About window, shown modally by the main window's About button.
#pragma once

#include "framework/Form.h"
#include "framework/SpeedButton.h"

class TForm2 : public fw::Form {
public:
    explicit TForm2(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TForm2"; }

    fw::SpeedButton* SpeedButton1 = nullptr;

    void SpeedButton1Click();
};
