#include "GuiTestUtil.h"

#include "framework/Application.h"
#include "framework/Cp1251.h"

namespace fwtest {

void Drain(std::chrono::milliseconds budget)
{
    const auto end = std::chrono::steady_clock::now() + budget;
    while (std::chrono::steady_clock::now() < end && fw::Application::Instance().ProcessOneMessage()) {
    }
}

namespace {

void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

Snapshot::Snapshot(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    dib_ = std::make_unique<fw::DibSection>(r.right, r.bottom);
    for (int i = 0; i < dib_->Width() * dib_->Height(); ++i)
        dib_->Bits()[i] = 0x00FF00FF;  // magenta shows what was left unpainted
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib_->DC()), PRF_CLIENT);
    GdiFlush();
}

std::uint32_t Snapshot::At(int x, int y) const
{
    const std::uint32_t p = dib_->Pixel(x, y);
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

void Click(HWND window, int x, int y)
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void DoubleClick(HWND window, int x, int y)
{
    Click(window, x, y);
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void KeyDown(HWND window, WORD key)
{
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void Char(HWND window, wchar_t ch) { SendMessageW(window, WM_CHAR, ch, 1); }

void ClickCell(fw::StringGrid& grid, int col, int row)
{
    const RECT r = grid.CellRect(col, row);
    Click(grid.Handle(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Drain();
}

void Type(const std::string& chars)
{
    for (char ch : chars) {
        const std::wstring wide = fw::Widen(std::string(1, ch));
        Char(GetFocus(), wide.empty() ? L'?' : wide[0]);
        Drain();
    }
}

void PressKey(WORD key)
{
    KeyDown(GetFocus(), key);
    Drain();
}

void StepList(fw::ComboBox& list, int index)
{
    for (int step = 0; step <= list.ItemCount() && list.ItemIndex() != index; ++step) {
        KeyDown(list.Handle(), list.ItemIndex() < index ? VK_DOWN : VK_UP);
        Drain();
    }
}

ScratchFolder::ScratchFolder(const std::vector<std::wstring>& subfolders, Place place)
{
    wchar_t temp[MAX_PATH] = L"C:\\";
    if (place == InTemp)
        GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::wstring(temp) + L"xptest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
    for (const std::wstring& sub : subfolders)
        CreateDirectoryW((path_ + L"\\" + sub).c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(L"\\\\?\\" + path_); }

std::string ScratchFolder::Narrow() const { return fw::Narrow(path_); }

}  // namespace fwtest
