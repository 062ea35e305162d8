#include "framework/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "framework/Application.h"
#include "framework/Cp1251.h"

namespace fw {

namespace {

// Another program may hold the clipboard for a moment.
bool OpenWithRetry()
{
    for (int i = 0; i < 10; ++i) {
        if (OpenClipboard(Application::Instance().Handle()))
            return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

bool Clipboard::SetText(const std::string& text)
{
    std::wstring w = Widen(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
    if (!memory)
        return false;
    void* p = GlobalLock(memory);
    if (!p) {
        GlobalFree(memory);  // never hand over memory we could not fill
        return false;
    }
    std::memcpy(p, w.c_str(), (w.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (!OpenWithRetry()) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!ok)
        GlobalFree(memory);  // ownership passes to the system only on success
    return ok;
}

std::string Clipboard::GetText()
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenWithRetry())
        return {};
    std::string result;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            const size_t limit = GlobalSize(data) / sizeof(wchar_t);
            size_t n = 0;
            while (n < limit && p[n])
                ++n;
            result = Narrow(std::wstring(p, n));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

bool Clipboard::HasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

}  // namespace fw
