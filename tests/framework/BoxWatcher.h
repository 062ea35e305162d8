// Finds the message box a call under test shows, reads it, and closes it with OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
    // Watches for a dialog box of this thread; `windows` are sampled while it shows.
    explicit BoxWatcher(std::vector<HWND> windows = {});
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const SeenBox& Seen() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK FindBox(HWND window, LPARAM found);
    static BOOL CALLBACK FindIcon(HWND child, LPARAM icon);

    UINT_PTR timer_ = 0;
    std::vector<HWND> windows_;
    SeenBox seen_;
};

}  // namespace testing_support
