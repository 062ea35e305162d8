#include "framework/ComboBox.h"

#include "framework/ColorWin.h"
#include "framework/Cp1251.h"

namespace fw {

ComboBox::ComboBox(Component* owner) : WinControl(owner)
{
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

void ComboBox::FillCreateParams(CreateParams& params)
{
    params.baseClass = L"COMBOBOX";
    params.style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL;
    // The window's height includes the dropped list.
    params.height = height_ + ListHeight();
}

int ComboBox::ListHeight() const { return dropDownCount_ * itemHeight_ + 2; }

void ComboBox::HandleCreated()
{
    for (const std::string& item : items_)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    // Platforms that size plain list items by the font alone ignore this.
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ComboBox::SetItems(const std::vector<std::string>& items)
{
    items_ = items;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items_)
            SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    itemIndex_ = -1;
}

void ComboBox::AddItem(const std::string& item)
{
    items_.push_back(item);
    if (HandleAllocated())
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

int ComboBox::ItemIndex() const
{
    if (HandleAllocated())
        return static_cast<int>(SendMessageW(const_cast<ComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void ComboBox::SetItemIndex(int index)
{
    if (index < -1 || index >= ItemCount())
        index = -1;
    itemIndex_ = index;
    // CB_SETCURSEL sends no CBN_SELCHANGE: the program's choice raises nothing.
    if (HandleAllocated())
        SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string ComboBox::Text() const
{
    const int index = ItemIndex();
    return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)] : std::string();
}

void ComboBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    itemHeight_ = height;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
        BoundsChanged();
    }
}

void ComboBox::SetDropDownCount(int count)
{
    dropDownCount_ = count < 1 ? 1 : count;
    BoundsChanged();
}

bool ComboBox::DroppedDown() const
{
    return HandleAllocated() && SendMessageW(const_cast<ComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void ComboBox::BoundsChanged()
{
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, left_, top_, width_, height_ + ListHeight(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ComboBox::CommandNotify(WORD code, LRESULT& result)
{
    if (code == CBN_SELCHANGE) {
        itemIndex_ = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
        Change();
        result = 0;
        return true;
    }
    return false;
}

void ComboBox::Change()
{
    if (OnChange)
        OnChange();
}

HBRUSH ComboBox::CtlColor(HDC dc, UINT message)
{
    (void)message;
    if (!brush_)
        brush_.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
    ::SetTextColor(dc, ColorToRGB(Enabled() ? GetFont().GetColor() : clGrayText));
    SetBkColor(dc, ColorToRGB(GetColor()));
    return brush_.Get();
}

void ComboBox::ColorChanged()
{
    brush_.Reset();
    Invalidate();
}

LRESULT ComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        // The dropped list asks the combo box itself; answer with our colour.
        return reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam), message));
    default:
        break;
    }
    return WinControl::WndProc(message, wParam, lParam);
}

}  // namespace fw
