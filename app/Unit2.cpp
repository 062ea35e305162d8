#include "app/Unit2.h"

#include "framework/Cp1251Literal.h"

using namespace fw::literals;

TForm2::TForm2(fw::Component* owner) : Form(owner)
{
    fw::LoadingScope loading(*this);
    SetName("Form2");
    SetCaption(std::string("  О программе..."_cp1251));
    SetClientWidth(362);
    SetClientHeight(118);
    SetBorderStyle(fw::bsToolWindow);
    SetBorderIcons(fw::biSystemMenu);
    SetPosition(fw::poScreenCenter);
    SetColor(fw::clBtnFace);

    SpeedButton1 = new fw::SpeedButton(this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetParent(this);
    SpeedButton1->SetBounds(284, 84, 69, 25);
    SpeedButton1->SetCaption(std::string("Закрыть"_cp1251));
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm2::SpeedButton1Click()
{
    Close();
}
