// Finds the message box a call under test shows, reads it, and closes it with OK. While
// a watcher lives, message boxes are expected; at any other time the failure-box guard
// of the test runner fails the running test at once and closes the box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "InModalLoop.h"

namespace testing_support {

struct SeenBox {
    bool found = false;
    std::wstring text;
    std::wstring caption;
    HWND owner = nullptr;
    HICON icon = nullptr;
    // Enabled state, while the box showed, of the windows given to Watch.
    std::vector<bool> enabled;
};

class BoxWatcher {
public:
    // Watches for a message box of this thread; `windows` are sampled while it shows.
    explicit BoxWatcher(std::vector<HWND> windows = {});
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const SeenBox& Seen() const { return seen_; }
    // Whether some watcher is waiting for a box now.
    static bool AnyWatching() { return watching_ > 0; }

private:
    bool Look();

    std::vector<HWND> windows_;
    SeenBox seen_;
    fwtest::InModalLoop task_;
    static inline int watching_ = 0;
};

// What the message box shows: its caption and its text.
SeenBox ReadBox(HWND box);

// Fails the running test at once when a message box shows that no watcher expects, and
// closes it, so no test waits for a box nobody will close.
class UnexpectedBoxGuard {
public:
    UnexpectedBoxGuard();

private:
    fwtest::InModalLoop task_;
};

}  // namespace testing_support
