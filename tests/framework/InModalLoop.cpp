#include "InModalLoop.h"

#include <map>

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

// The running loops by timer id: a message box watcher, the runner's guard and a test's
// own driver may all wait at once.
std::map<UINT_PTR, InModalLoop*>& Running()
{
    static std::map<UINT_PTR, InModalLoop*> running;
    return running;
}

}  // namespace

HWND FindThreadDialog()
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

bool IsMessageBox(HWND box) { return box && GetDlgItem(box, 0xFFFF) != nullptr; }

InModalLoop::InModalLoop(std::function<bool()> check, DWORD limitMs, UINT intervalMs)
    : check_(std::move(check)), start_(GetTickCount()), limitMs_(limitMs)
{
    timer_ = SetTimer(nullptr, 0, intervalMs, Tick);
    Running()[timer_] = this;
}

InModalLoop::~InModalLoop()
{
    KillTimer(nullptr, timer_);
    Running().erase(timer_);
}

void CALLBACK InModalLoop::Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Running().find(id);
    if (it == Running().end())
        return;
    InModalLoop* me = it->second;
    if (me->done_ || me->busy_)
        return;
    if (me->limitMs_ != INFINITE && GetTickCount() - me->start_ > me->limitMs_) {
        me->timedOut_ = true;
        if (HWND dialog = FindThreadDialog())
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    me->busy_ = true;
    const bool done = me->check_();
    me->busy_ = false;
    me->done_ = done;
}

}  // namespace fwtest
