// The platform's tooltip showing the hints of one window and of its windowless children:
// one tool at a time, over the control under the pointer, its text asked for when the
// tip is about to show.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class HintTip {
public:
    explicit HintTip(HWND owner);
    ~HintTip();
    HintTip(const HintTip&) = delete;
    HintTip& operator=(const HintTip&) = delete;

    HWND Handle() const { return tip_; }
    // A fresh tool over `area` (the owner's client coordinates): the tip waits and shows
    // anew, as for a control just entered.
    void Cover(const RECT& area);
    // No tool: nothing shows.
    void Clear();
    // Hands a mouse message of the owner to the tip (it times showing and hiding by them).
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    // Answers the tip's request for text (TTN_GETDISPINFOW); the text lives until the next.
    void Answer(NMHDR* request, std::wstring text);

private:
    HWND owner_;
    HWND tip_;
    UINT_PTR toolId_ = 0;
    bool hasTool_ = false;
    std::wstring text_;
};

}  // namespace fw
