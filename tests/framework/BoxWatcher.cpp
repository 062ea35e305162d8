#include "BoxWatcher.h"

namespace testing_support {

namespace {
BoxWatcher* g_active = nullptr;

std::wstring TextOf(HWND window)
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}
}  // namespace

BoxWatcher::BoxWatcher(std::vector<HWND> windows) : windows_(std::move(windows))
{
    g_active = this;
    timer_ = SetTimer(nullptr, 0, 30, OnTimer);
}

BoxWatcher::~BoxWatcher()
{
    KillTimer(nullptr, timer_);
    g_active = nullptr;
}

BOOL CALLBACK BoxWatcher::FindBox(HWND window, LPARAM found)
{
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (IsWindowVisible(window) && wcscmp(cls, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The box's icon sits in a static control of the icon type; its id differs between platforms.
BOOL CALLBACK BoxWatcher::FindIcon(HWND child, LPARAM icon)
{
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(icon) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

void CALLBACK BoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    BoxWatcher* me = g_active;
    if (!me || me->seen_.found)
        return;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    me->seen_.found = true;
    me->seen_.caption = TextOf(box);
    me->seen_.text = TextOf(GetDlgItem(box, 0xFFFF));  // the box's message text
    me->seen_.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&me->seen_.icon));
    for (HWND w : me->windows_)
        me->seen_.enabled.push_back(IsWindowEnabled(w) != FALSE);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace testing_support
