// Runs test code from a timer inside whatever modal loop is running (a dialog, a message
// box, a menu, the shell's browser, ShowModal), and finds the dialog boxes of this thread.
#pragma once

#include <windows.h>

#include <functional>

namespace fwtest {

// The first visible dialog box (class #32770) of this thread, or nullptr.
HWND FindThreadDialog();
// Whether a dialog box is a message box (it holds the platform's message text).
bool IsMessageBox(HWND box);

// Calls `check` every `intervalMs` until it returns true; calls never overlap, and any
// number of these may run at once. Should it not return true within `limitMs`, every
// dialog of the thread is cancelled, so a test whose window never shows fails instead
// of hanging in the loop (INFINITE: no limit).
class InModalLoop {
public:
    explicit InModalLoop(std::function<bool()> check, DWORD limitMs = 20000, UINT intervalMs = 30);
    ~InModalLoop();
    InModalLoop(const InModalLoop&) = delete;
    InModalLoop& operator=(const InModalLoop&) = delete;

    bool Done() const { return done_; }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::function<bool()> check_;
    UINT_PTR timer_ = 0;
    DWORD start_ = 0;
    DWORD limitMs_ = 0;
    bool done_ = false;
    bool busy_ = false;
    bool timedOut_ = false;
};

}  // namespace fwtest
