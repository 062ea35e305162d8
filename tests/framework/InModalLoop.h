// Runs test code from a timer inside whatever modal loop is running (a dialog, a message
// box, the shell's browser), and finds the dialog boxes of this thread.
#pragma once

#include <windows.h>

#include <functional>

namespace fwtest {

// The first visible dialog box (class #32770) of this thread, or nullptr.
HWND FindThreadDialog();

// Calls `check` every 30 ms until it returns true. Should it not within `limitMs`, every
// dialog of the thread is cancelled, so a test whose window never shows fails instead of
// hanging in the loop.
class InModalLoop {
public:
    explicit InModalLoop(std::function<bool()> check, DWORD limitMs = 20000);
    ~InModalLoop();
    InModalLoop(const InModalLoop&) = delete;
    InModalLoop& operator=(const InModalLoop&) = delete;

    bool Done() const { return done_; }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static inline InModalLoop* active_ = nullptr;
    std::function<bool()> check_;
    UINT_PTR timer_ = 0;
    DWORD start_ = 0;
    DWORD limitMs_ = 0;
    bool done_ = false;
    bool busy_ = false;
    bool timedOut_ = false;
};

}  // namespace fwtest
