// The About window, shown modally by the main window's About button: what the tool is
// for, its author line and its web site.
#pragma once

#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/SpeedButton.h"
#include "widgets/fill/LMDLabelFill.h"
#include "widgets/shell/ElURLLabel.h"

class TForm2 : public fw::Form {
public:
    explicit TForm2(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TForm2"; }

    fw::Image* Image1 = nullptr;
    TLMDLabelFill* LMDLabelFill1 = nullptr;
    fw::Label* Label1 = nullptr;
    fw::Label* Label2 = nullptr;
    TElURLLabel* ElURLLabel1 = nullptr;
    fw::SpeedButton* SpeedButton1 = nullptr;

    void SpeedButton1Click();

private:
    void LoadDescription();
};
