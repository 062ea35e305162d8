#include "GuiTestUtil.h"

#include "framework/Application.h"

namespace fwtest {

void Drain(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            break;
        fw::Application::Instance().ProcessMessages();
    }
}

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

}  // namespace fwtest
