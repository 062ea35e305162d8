// Helpers for the window tests, kept here once: draining the queue (bounded by time),
// rendering through WM_PRINTCLIENT into a DIB, synthetic mouse and key input, grid clicks
// and typing, and a scratch folder. Code run from a timer inside a modal loop, and the
// dialog finder, are in InModalLoop.h.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/ComboBox.h"
#include "framework/Gdi.h"
#include "framework/StringGrid.h"
#include "framework/WinControl.h"
#include "InModalLoop.h"

namespace fwtest {

// Handles what is waiting until the queue is empty, for at most `budget` (a message
// storm cannot hang a test).
void Drain(std::chrono::milliseconds budget = std::chrono::milliseconds(500));

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

// A click in the middle of a grid cell, then the queue drained.
void ClickCell(fw::StringGrid& grid, int col, int row);
// Types the characters one by one into whatever has the focus, draining after each.
void Type(const std::string& chars);
// A key pressed in whatever has the focus, then the queue drained.
void PressKey(WORD key);
// Steps a closed drop-down list with the arrow keys to `index`, as a user does; stops
// after one pass over the items if the list does not get there.
void StepList(fw::ComboBox& list, int index);

// A fresh folder, with the subfolders named, removed with everything in it afterwards.
// It lies in the temporary folder, or right under C:\ where the shell's folder browser
// reaches it in a few steps.
class ScratchFolder {
public:
    enum Place { InTemp, AtDriveRoot };
    explicit ScratchFolder(const std::vector<std::wstring>& subfolders = {}, Place place = InTemp);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return path_; }
    std::string Narrow() const;

private:
    std::wstring path_;
};

}  // namespace fwtest
