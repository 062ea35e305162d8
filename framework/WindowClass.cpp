#include "framework/WindowClass.h"

#include <map>

#include "framework/Exceptions.h"

namespace fw {

namespace {

struct ClassEntry {
    std::wstring baseClass;
    UINT style;
    WNDPROC baseProc;
};

std::map<std::wstring, ClassEntry>& Registered()
{
    static std::map<std::wstring, ClassEntry> classes;
    return classes;
}

}  // namespace

WNDPROC RegisterWindowClass(const std::wstring& name, const std::wstring& baseClass, UINT style, WNDPROC proc,
                            HICON icon, HICON smallIcon)
{
    auto& classes = Registered();
    if (auto it = classes.find(name); it != classes.end()) {
        if (it->second.baseClass != baseClass || it->second.style != style)
            throw Exception("Window class registered twice with different bases");
        return it->second.baseProc;
    }
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    WNDPROC base = DefWindowProcW;
    if (!baseClass.empty()) {
        if (!GetClassInfoExW(nullptr, baseClass.c_str(), &wc))
            throw Exception("Cannot create window class");
        wc.cbSize = sizeof(wc);
        base = wc.lpfnWndProc;
        wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
        wc.cbWndExtra += static_cast<int>(sizeof(LONG_PTR));
    } else {
        wc.style = style;
        wc.cbWndExtra = static_cast<int>(sizeof(LONG_PTR));
        wc.hCursor = nullptr;  // WM_SETCURSOR picks the control's cursor
        wc.hbrBackground = nullptr;
        wc.hIcon = icon;
    }
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    wc.lpszMenuName = nullptr;
    wc.hIconSm = baseClass.empty() ? smallIcon : nullptr;
    if (!RegisterClassExW(&wc))
        throw Exception("Cannot create window class");
    classes.emplace(name, ClassEntry{baseClass, style, base});
    return base;
}

int WindowSlotOffset(HWND window)
{
    return static_cast<int>(GetClassLongPtrW(window, GCL_CBWNDEXTRA)) - static_cast<int>(sizeof(LONG_PTR));
}

}  // namespace fw
