#include "framework/PopupMenu.h"

#include <windows.h>

#include "framework/Application.h"
#include "framework/Cp1251.h"

namespace fw {

int PopupMenu::Add(const std::string& caption, std::function<void()> onClick)
{
    items_.push_back(Item{caption, true, std::move(onClick)});
    return ItemCount() - 1;
}

int PopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup();
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].caption == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            UINT flags = MF_STRING | (items_[i].enabled ? 0 : MF_GRAYED);
            AppendMenuW(menu, flags, i + 1, Widen(items_[i].caption).c_str());
        }
    }
    HWND owner = GetActiveWindow();
    if (!owner)
        owner = Application::Instance().Handle();
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen <= 0)
        return -1;
    const int index = chosen - 1;
    // Copy the handler: it may clear or change the menu.
    std::function<void()> handler = items_[static_cast<size_t>(index)].onClick;
    if (handler)
        handler();
    return index;
}

}  // namespace fw
