#include "framework/HintTip.h"

#include <commctrl.h>

namespace fw {

namespace {

TTTOOLINFOW ToolOf(HWND owner, UINT_PTR id)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner;
    tool.uId = id;
    return tool;
}

}  // namespace

HintTip::HintTip(HWND owner)
    : owner_(owner),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                           0, owner, nullptr, GetModuleHandleW(nullptr), nullptr))
{
    // Hints may be long: let them wrap at a readable width.
    if (tip_)
        SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

HintTip::~HintTip()
{
    // The owner's destruction may have taken the tip along already.
    if (tip_ && IsWindow(tip_))
        DestroyWindow(tip_);
}

void HintTip::Cover(const RECT& area)
{
    Clear();
    if (!tip_)
        return;
    TTTOOLINFOW tool = ToolOf(owner_, ++toolId_);
    tool.uFlags = 0;
    tool.rect = area;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    hasTool_ = SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void HintTip::Clear()
{
    if (!tip_ || !hasTool_)
        return;
    TTTOOLINFOW tool = ToolOf(owner_, toolId_);
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    hasTool_ = false;
}

void HintTip::Relay(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!tip_ || !hasTool_)
        return;
    MSG msg = {};
    msg.hwnd = owner_;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetMessageTime();
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void HintTip::Answer(NMHDR* request, std::wstring text)
{
    text_ = std::move(text);
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(request);
    info->lpszText = text_.data();
    info->szText[0] = L'\0';
    info->hinst = nullptr;
}

}  // namespace fw
