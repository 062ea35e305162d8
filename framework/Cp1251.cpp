#include "framework/Cp1251.h"

#include <windows.h>

namespace fw {

namespace {
const UINT kCodePage = 1251;
}

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int n = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    // No best fit: "Café" must not become "Cafe", another name that may exist.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(kCodePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0, "?", nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, flags, text.data(), static_cast<int>(text.size()), out.data(), n, "?", nullptr);
    return out;
}

}  // namespace fw
