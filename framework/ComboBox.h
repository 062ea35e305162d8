// The platform's drop-down list (list only). Setting ItemIndex from the program raises
// nothing; OnChange follows every selection the user makes with mouse or keyboard.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Gdi.h"
#include "framework/WinControl.h"

namespace fw {

class ComboBox : public WinControl {
public:
    explicit ComboBox(Component* owner = nullptr);
    std::string ClassName() const override { return "TComboBox"; }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    void ClearItems() { SetItems({}); }
    int ItemCount() const { return static_cast<int>(items_.size()); }

    // -1 when nothing is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The chosen item's text, empty when nothing is chosen.
    std::string Text() const;

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    bool DroppedDown() const;

    std::function<void()> OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool SelfPainted() const override { return false; }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CommandNotify(WORD code, LRESULT& result) override;
    HBRUSH CtlColor(HDC dc, UINT message) override;
    void ColorChanged() override;
    void BoundsChanged() override;
    virtual void Change();

private:
    int ListHeight() const;

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 13;
    int dropDownCount_ = 8;
    BrushHandle brush_;
};

}  // namespace fw
