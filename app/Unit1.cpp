#include "app/Unit1.h"

#include <windows.h>

#include "table/ChoiceTexts.h"
#include "app/ContainerTemplates.h"
#include "app/Describe.h"
#include "table/Digits.h"
#include "app/Glyphs.h"
#include "app/GridCells.h"
#include "app/TemplateStore.h"
#include "table/Templates.h"
#include "app/Unit2.h"
#include "app/XpBonusWriter.h"
#include "framework/Cp1251Literal.h"

using namespace fw::literals;
using app::Make;
using app::S;

namespace {

const fw::Color kFieldColor = 14811134;  // pale yellow
const fw::Color kGridColor = 16775137;   // pale blue
const fw::Color kBlack = 0;

fw::Label* MakeLabel(fw::Form* form, const char* name, int top, std::string_view caption)
{
    auto* label = Make<fw::Label>(form, name, 12, top, 265, 17);
    label->SetCaption(S(caption));
    return label;
}

void GreyCaption(fw::Label* label)
{
    label->GetFont().SetColor(fw::clGray);
}

fw::ComboBox* MakeList(fw::Form* form, const char* name, int top, int tabOrder, int column)
{
    auto* list = Make<fw::ComboBox>(form, name, 12, top, 369, 21);
    list->SetColor(kFieldColor);
    list->SetItemHeight(13);
    list->SetEnabled(false);
    list->SetTabOrder(tabOrder);
    list->SetItems(app::ChoiceTexts(column));
    return list;
}

// Trims spaces and control characters from both ends.
std::string Trimmed(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

}  // namespace

TForm1::TForm1(fw::Component* owner) : Form(owner)
{
    fw::LoadingScope loading(*this);
    LoadDescription();
}

void TForm1::LoadDescription()
{
    SetName("Form1");
    SetCaption(S("Редактор таблицы опыта для BG2 / BGT"_cp1251));
    SetClientWidth(392);
    SetClientHeight(426);
    SetBorderStyle(fw::bsSingle);
    SetBorderIcons(fw::biSystemMenu | fw::biMinimize);
    SetPosition(fw::poScreenCenter);
    SetColor(fw::clBtnFace);
    LoadIcon(L"MAINICON");

    DescribeFolderField();
    DescribeGrid();
    DescribeLists();
    DescribeButtons();

    LMDStringList1 = new TLMDStringList(this);
    LMDStringList1->SetName("LMDStringList1");
    app::LoadTemplateContainer(*LMDStringList1);

    OnCreate = [this] { FormCreate(); };
}

void TForm1::DescribeFolderField()
{
    ElFolderDialog1 = new TElFolderDialog(this);
    ElFolderDialog1->SetName("ElFolderDialog1");
    ElFolderDialog1->DialogTitle = S("Выбор каталога..."_cp1251);
    ElFolderDialog1->Prompt = S("Укажите расположение каталога с игрой:"_cp1251);
    ElFolderDialog1->Options = {bfoFileSysDirsOnly, bfoDontGoBelowDomain, bfoFileSysAncestors};
    ElFolderDialog1->RootFolder = sfoDesktopExpanded;
    ElFolderDialog1->ShowCustomButton = false;
    ElFolderDialog1->Position = fdpScreenCenter;

    SCButtonEdit1 = Make<TSCButtonEdit>(this, "SCButtonEdit1", 12, 32, 369, 21);
    SCButtonEdit1->SetReadOnly(true);
    SCButtonEdit1->SetColor(kFieldColor);
    SCButtonEdit1->SetStyle(scesWinXP);
    SCButtonEdit1->SetRaiseMaskError(false);
    SCButtonEdit1->SetTabOrder(0);
    SCButtonEdit1->SetTabStop(false);
    SCButtonEdit1->OnButtonClick = [this] { SCButtonEdit1ButtonClick(); };
    SCButtonEdit1->OnChange = [this] { SCButtonEdit1Change(); };

    Label1 = MakeLabel(this, "Label1", 12, "Расположение каталога с игрой:"_cp1251);
}

void TForm1::DescribeGrid()
{
    StringGrid1 = Make<fw::StringGrid>(this, "StringGrid1", 12, 216, 369, 172);
    StringGrid1->SetColCount(4);
    StringGrid1->SetRowCount(41);
    StringGrid1->SetFixedCols(1);
    StringGrid1->SetFixedRows(1);
    StringGrid1->SetDefaultColWidth(35);
    StringGrid1->SetDefaultRowHeight(20);
    StringGrid1->SetColWidths(0, 35);
    StringGrid1->SetColWidths(1, 89);
    StringGrid1->SetColWidths(2, 106);
    StringGrid1->SetColWidths(3, 114);
    StringGrid1->SetOptions(fw::goFixedVertLine | fw::goFixedHorzLine | fw::goVertLine | fw::goHorzLine |
                            fw::goDrawFocusSelected | fw::goThumbTracking);
    StringGrid1->SetScrollBars(fw::ssVertical);
    StringGrid1->SetColor(kGridColor);
    StringGrid1->GetFont().SetColor(fw::clGray);
    StringGrid1->SetEnabled(false);
    StringGrid1->SetTabOrder(1);
    StringGrid1->SetTabStop(false);
    StringGrid1->OnKeyPress = [this](char& key) { StringGrid1KeyPress(key); };
    StringGrid1->OnSelectCell = [this](int col, int row, bool& can) { StringGrid1SelectCell(col, row, can); };
    StringGrid1->OnSetEditText = [this](int col, int row, const std::string& v) {
        StringGrid1SetEditText(col, row, v);
    };
    // Only digits may reach a cell, however they arrive.
    StringGrid1->OnPasteText = [](std::string& text) { text = app::DigitsOf(text); };
}

void TForm1::DescribeLists()
{
    Label2 = MakeLabel(this, "Label2", 64, "Опыт за обезвреживание ловушек:"_cp1251);
    GreyCaption(Label2);
    ComboBox1 = MakeList(this, "ComboBox1", 84, 2, app::kTrapsColumn);
    ComboBox1->OnChange = [this] { ComboBox1Change(); };

    Label3 = MakeLabel(this, "Label3", 112, "Опыт за взлом сундуков/дверей:"_cp1251);
    GreyCaption(Label3);
    ComboBox2 = MakeList(this, "ComboBox2", 132, 3, app::kLocksColumn);
    ComboBox2->OnChange = [this] { ComboBox2Change(); };

    Label4 = MakeLabel(this, "Label4", 160, "Опыт за изучение заклинаний со свитков:"_cp1251);
    GreyCaption(Label4);
    ComboBox3 = MakeList(this, "ComboBox3", 180, 4, app::kScrollsColumn);
    ComboBox3->OnChange = [this] { ComboBox3Change(); };
}

void TForm1::DescribeButtons()
{
    SpeedButton2 = Make<fw::SpeedButton>(this, "SpeedButton2", 12, 394, 33, 25);
    SpeedButton2->SetGlyph(app::AboutGlyph());
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };

    SpeedButton1 = Make<fw::SpeedButton>(this, "SpeedButton1", 288, 394, 93, 25);
    SpeedButton1->SetCaption(S("Записать"_cp1251));
    SpeedButton1->SetGlyph(app::WriteGlyphStrip());
    SpeedButton1->SetNumGlyphs(2);
    SpeedButton1->SetEnabled(false);
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm1::FormCreate()
{
    for (int row = 1; row <= 40; ++row)
        StringGrid1->SetCells(0, row, "  " + std::to_string(row));
    app::ContainerTemplates templates(*LMDStringList1);
    app::GridCells cells(*StringGrid1);
    app::CopyColumn(templates.Lines(0), app::kTrapsColumn, cells);
    app::CopyColumn(templates.Lines(1), app::kLocksColumn, cells);
    app::CopyColumn(templates.Lines(2), app::kScrollsColumn, cells);
    ComboBox1->SetItemIndex(1);
    ComboBox2->SetItemIndex(1);
    ComboBox3->SetItemIndex(1);
}

void TForm1::SCButtonEdit1ButtonClick()
{
    if (!ElFolderDialog1->Execute())
        return;
    std::string folder = ElFolderDialog1->Folder();
    if (folder.empty())
        return;
    SCButtonEdit1->SetText(folder);
}

void TForm1::SCButtonEdit1Change()
{
    bool chosen = !Trimmed(SCButtonEdit1->Text()).empty();
    SpeedButton1->SetEnabled(chosen);
    ComboBox1->SetEnabled(chosen);
    ComboBox2->SetEnabled(chosen);
    ComboBox3->SetEnabled(chosen);
    StringGrid1->SetEnabled(chosen);
    fw::Color colour = chosen ? kBlack : fw::clGray;
    StringGrid1->GetFont().SetColor(colour);
    Label2->GetFont().SetColor(colour);
    Label3->GetFont().SetColor(colour);
    Label4->GetFont().SetColor(colour);
}

void TForm1::ApplyChoice(fw::ComboBox* list, int column)
{
    app::GridCells cells(*StringGrid1);
    app::ApplyChoice(app::ContainerTemplates(*LMDStringList1), column, list->ItemIndex(), cells);
}

void TForm1::ComboBox1Change() { ApplyChoice(ComboBox1, app::kTrapsColumn); }

void TForm1::ComboBox2Change() { ApplyChoice(ComboBox2, app::kLocksColumn); }

void TForm1::ComboBox3Change() { ApplyChoice(ComboBox3, app::kScrollsColumn); }

void TForm1::StringGrid1SelectCell(int col, int row, bool& canSelect)
{
    // Scrolls earn experience up to level 9 only.
    canSelect = !(col == app::kScrollsColumn && row >= 10);
    bool editable = (ComboBox1->ItemIndex() == app::kCustomChoice && col == app::kTrapsColumn) ||
                    (ComboBox2->ItemIndex() == app::kCustomChoice && col == app::kLocksColumn) ||
                    (ComboBox3->ItemIndex() == app::kCustomChoice && col == app::kScrollsColumn);
    fw::GridOptions options = StringGrid1->Options();
    if (editable)
        options |= fw::goEditing;
    else
        options &= ~static_cast<fw::GridOptions>(fw::goEditing);
    StringGrid1->SetOptions(options);
}

void TForm1::StringGrid1KeyPress(char& key)
{
    if (!app::IsDigit(key))
        key = '\0';
}

void TForm1::StringGrid1SetEditText(int col, int row, const std::string&)
{
    const std::string& text = StringGrid1->Cells(col, row);
    if (text.size() > 4)
        StringGrid1->SetCells(col, row, text.substr(0, 4));
}

void TForm1::SpeedButton1Click()
{
    app::GridCells cells(*StringGrid1);
    app::WriteXpBonus(SCButtonEdit1->Text(), cells);
}

void TForm1::SpeedButton2Click()
{
    if (AboutForm)
        AboutForm->ShowModal();
}
