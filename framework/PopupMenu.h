// A context menu: items with captions and click handlers, shown at a screen point.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace fw {

class PopupMenu : public Component {
public:
    struct Item {
        std::string caption;  // "-" is a separator line
        bool enabled = true;
        std::function<void()> onClick;
    };

    explicit PopupMenu(Component* owner = nullptr) : Component(owner) {}
    std::string ClassName() const override { return "TPopupMenu"; }

    int Add(const std::string& caption, std::function<void()> onClick = {});
    Item& Items(int index) { return items_.at(static_cast<size_t>(index)); }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }

    // Shows the menu at a screen point and runs the chosen item's handler.
    // Returns the chosen index, or -1 when the menu was dismissed.
    int Popup(int x, int y);

    // Raised just before the menu shows (to enable or disable items).
    std::function<void()> OnPopup;

private:
    std::vector<Item> items_;
};

}  // namespace fw
