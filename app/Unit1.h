// The main window: the game-folder field, the three template lists, the bonus table
// grid, the write button and the About button.
#pragma once

#include <string>

#include "framework/ComboBox.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/SpeedButton.h"
#include "framework/StringGrid.h"
#include "widgets/edit/SCAdvEdits.h"
#include "widgets/fill/LMDStringList.h"
#include "widgets/shell/ElFolderDlg.h"

class TForm2;

class TForm1 : public fw::Form {
public:
    explicit TForm1(fw::Component* owner = nullptr);
    std::string ClassName() const override { return "TForm1"; }

    // The About window shown by SpeedButton2; set by the main routine.
    TForm2* AboutForm = nullptr;

    TElFolderDialog* ElFolderDialog1 = nullptr;
    TSCButtonEdit* SCButtonEdit1 = nullptr;
    fw::Label* Label1 = nullptr;
    fw::StringGrid* StringGrid1 = nullptr;
    fw::Label* Label2 = nullptr;
    fw::ComboBox* ComboBox1 = nullptr;
    fw::Label* Label3 = nullptr;
    fw::ComboBox* ComboBox2 = nullptr;
    fw::Label* Label4 = nullptr;
    fw::ComboBox* ComboBox3 = nullptr;
    fw::SpeedButton* SpeedButton1 = nullptr;
    fw::SpeedButton* SpeedButton2 = nullptr;
    TLMDStringList* LMDStringList1 = nullptr;

    void FormCreate();
    void SCButtonEdit1ButtonClick();
    void SCButtonEdit1Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void StringGrid1SelectCell(int col, int row, bool& canSelect);
    void StringGrid1KeyPress(char& key);
    void StringGrid1SetEditText(int col, int row, const std::string& value);
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    // The window's description, in the order its parts are made.
    void LoadDescription();
    void DescribeFolderField();
    void DescribeGrid();
    void DescribeLists();
    void DescribeButtons();
    void ApplyChoice(fw::ComboBox* list, int column);
};
