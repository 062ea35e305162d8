#include "app/Unit2.h"

#include <string>

#include "app/Describe.h"
#include "app/ProjectInfo.h"
#include "framework/Cp1251Literal.h"
#include "widgets/shell/ElHandPt.h"

using namespace fw::literals;
using app::Make;
using app::S;

TForm2::TForm2(fw::Component* owner) : Form(owner)
{
    fw::LoadingScope loading(*this);
    LoadDescription();
}

void TForm2::LoadDescription()
{
    SetName("Form2");
    SetCaption(S("  О программе..."_cp1251));
    SetClientWidth(362);
    SetClientHeight(118);
    SetBorderStyle(fw::bsToolWindow);
    SetBorderIcons(fw::biSystemMenu);
    SetPosition(fw::poScreenCenter);
    SetColor(fw::clBtnFace);

    Image1 = Make<fw::Image>(this, "Image1", 8, 12, 32, 32);
    Image1->SetAutoSize(true);
    Image1->LoadIcon(L"MAINICON", 32);

    // The stored size gives way to the caption's own when loading ends.
    LMDLabelFill1 = Make<TLMDLabelFill>(this, "LMDLabelFill1", 48, 9, 301, 20);
    LMDLabelFill1->SetCaption(S("Редактор таблицы опыта для BG2 / BGT"_cp1251));
    LMDLabelFill1->GetFont().SetName("Arial");
    LMDLabelFill1->GetFont().SetHeight(15);
    LMDLabelFill1->GetFont().SetStyle(fw::fsBold);
    LMDLabelFill1->GetFont().SetColor(fw::clWindowText);
    LMDLabelFill1->SetParentFont(false);
    LMDLabelFill1->SetOptions(0);
    LMDLabelFill1->Bevel().SetMode(bmCustom);
    LMDLabelFill1->FillObject().SetStyle(sfGradient);
    LMDLabelFill1->FillObject().Gradient().SetColor(4227072);
    LMDLabelFill1->FillObject().Gradient().SetStyle(gstElliptic);

    Label1 = Make<fw::Label>(this, "Label1", 48, 32, 309, 45);
    Label1->SetCaption(S("При помощи этой утилиты Вы сможете создать \"под себя\"\r"
                         "такую таблицу получаемого вором или магом опыта, какая\r"
                         "Вам нужна, либо выбрать один из предлагаемых шаблонов."_cp1251));

    Label2 = Make<fw::Label>(this, "Label2", 48, 80, 101, 29);
    Label2->SetCaption(S("Автор - "_cp1251) + S(app::kProjectShortName) + S("\rВеб-сайт проекта -"_cp1251));

    ElURLLabel1 = Make<TElURLLabel>(this, "ElURLLabel1", 147, 93, 80, 13);
    ElURLLabel1->SetCursor(crURLCursor);
    ElURLLabel1->SetCaption(std::wstring(app::kProjectSite.begin(), app::kProjectSite.end()));
    ElURLLabel1->SetURL("http://" + S(app::kProjectSite));
    ElURLLabel1->SetVisitedColor(fw::clNavy);
    ElURLLabel1->SetVisited(true);
    ElURLLabel1->SetHyperLinkStyle(fw::fsUnderline);
    ElURLLabel1->SetShowURLInHint(false);
    fw::Font font;
    font.SetName("MS Sans Serif");
    font.SetHeight(11);
    font.SetColor(fw::clBlue);
    font.SetStyle(0);
    ElURLLabel1->SetFont(font);
    ElURLLabel1->SetParentFont(false);

    SpeedButton1 = Make<fw::SpeedButton>(this, "SpeedButton1", 284, 84, 69, 25);
    SpeedButton1->SetCaption(S("Закрыть"_cp1251));
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm2::SpeedButton1Click() { Close(); }
