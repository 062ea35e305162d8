#include "InModalLoop.h"

namespace fwtest {

namespace {

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (IsWindowVisible(window) && wcscmp(cls, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindThreadDialog()
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

InModalLoop::InModalLoop(std::function<bool()> check, DWORD limitMs)
    : check_(std::move(check)), start_(GetTickCount()), limitMs_(limitMs)
{
    active_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
}

InModalLoop::~InModalLoop()
{
    KillTimer(nullptr, timer_);
    active_ = nullptr;
}

void CALLBACK InModalLoop::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    InModalLoop* me = active_;
    if (!me || me->done_ || me->busy_)
        return;
    if (GetTickCount() - me->start_ > me->limitMs_) {
        me->timedOut_ = true;
        if (HWND dialog = FindThreadDialog())
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    me->busy_ = true;
    me->done_ = me->check_();
    me->busy_ = false;
}

}  // namespace fwtest
