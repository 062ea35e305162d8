#include "BoxWatcher.h"

#include <gtest/gtest.h>

#include "framework/Cp1251.h"

namespace testing_support {

namespace {

std::wstring TextOf(HWND window)
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

// The box's icon sits in a static control of the icon type; its id differs between platforms.
BOOL CALLBACK FindIcon(HWND child, LPARAM icon)
{
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(icon) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

}  // namespace

SeenBox ReadBox(HWND box)
{
    SeenBox seen;
    seen.found = true;
    seen.caption = TextOf(box);
    seen.text = TextOf(GetDlgItem(box, 0xFFFF));  // the box's message text
    seen.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
    return seen;
}

BoxWatcher::BoxWatcher(std::vector<HWND> windows)
    : windows_(std::move(windows)), task_([this] { return Look(); }, INFINITE)
{
    ++watching_;
}

BoxWatcher::~BoxWatcher() { --watching_; }

bool BoxWatcher::Look()
{
    HWND box = fwtest::FindThreadDialog();
    if (!fwtest::IsMessageBox(box))
        return false;
    seen_ = ReadBox(box);
    for (HWND w : windows_)
        seen_.enabled.push_back(IsWindowEnabled(w) != FALSE);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return true;
}

UnexpectedBoxGuard::UnexpectedBoxGuard()
    : task_([] {
          HWND box = fwtest::FindThreadDialog();
          if (BoxWatcher::AnyWatching() || !fwtest::IsMessageBox(box))
              return false;
          const SeenBox seen = ReadBox(box);
          ADD_FAILURE() << "unexpected message box \"" << fw::Narrow(seen.caption) << "\": " << fw::Narrow(seen.text);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
          return false;  // keep guarding
      },
      INFINITE)
{
}

}  // namespace testing_support
