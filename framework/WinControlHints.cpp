// Hints of WinControl: the control under the pointer is asked for its hint text, and one
// platform tooltip per window shows it.
#include "framework/WinControl.h"

#include <commctrl.h>

#include "framework/Cp1251.h"
#include "framework/HintText.h"

namespace fw {

std::string WinControl::HintAt(POINT at)
{
    Control* target = GraphicControlAt(at.x, at.y);
    if (!target)
        target = this;
    if (!target->ShowHint())
        return {};
    HintInfo info;
    info.control = target;
    info.cursorPos = target == this ? at : POINT{at.x - target->left_, at.y - target->top_};
    for (const Control* c = target; c && info.hintStr.empty(); c = c->Parent())
        info.hintStr = ShortHint(c->Hint());
    target->HintShow(info);
    return info.hintStr;
}

void WinControl::TrackHint(Control* target)
{
    if (target == hintControl_)
        return;
    hintControl_ = target;
    // No tip is made until some control under the pointer shows hints.
    if (!target || !target->ShowHint()) {
        if (hintTip_)
            hintTip_->Clear();
        return;
    }
    if (!hintTip_)
        hintTip_ = std::make_unique<HintTip>(handle_);
    hintTip_->Cover(target == this ? ClientRect() : target->BoundsRect());
}

LRESULT WinControl::NotifyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (hintTip_ && header && header->hwndFrom == hintTip_->Handle()) {
        if (header->code == TTN_GETDISPINFOW) {
            POINT p;
            GetCursorPos(&p);
            const std::string hint = HintAt(ScreenToClient(p));
            // A hint window shows the text up to its first zero byte.
            hintTip_->Answer(header, Widen(std::string(hint.c_str())));
        }
        return 0;
    }
    return ReflectToChild(message, wParam, lParam);
}

}  // namespace fw
