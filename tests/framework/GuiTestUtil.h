// Helpers for the window tests: bounded draining of the queue, rendering a control
// through WM_PRINTCLIENT into a DIB, and synthetic mouse and key messages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/Gdi.h"
#include "framework/WinControl.h"

namespace fwtest {

// Handles what is waiting, at most `rounds` passes (so a message storm cannot hang a test).
void Drain(int rounds = 20);

// A picture of a window's client area as its own WM_PRINTCLIENT painting draws it.
class Snapshot {
public:
    explicit Snapshot(HWND window);
    explicit Snapshot(fw::WinControl& control) : Snapshot(control.Handle()) {}
    // The colour at (x, y) as 0x00BBGGRR (comparable with fw colours and RGB()).
    std::uint32_t At(int x, int y) const;
    int Width() const { return dib_->Width(); }
    int Height() const { return dib_->Height(); }

private:
    std::unique_ptr<fw::DibSection> dib_;
};

void Click(HWND window, int x, int y);
void DoubleClick(HWND window, int x, int y);
void KeyDown(HWND window, WORD key);
void Char(HWND window, wchar_t ch);

}  // namespace fwtest
