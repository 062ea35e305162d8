// Our window classes, each registered once by (name, base class, style). A class built on
// a platform class (EDIT, COMBOBOX) keeps that class's procedure, style and extra bytes
// and adds our slot after them.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Registers the class on first use with `proc` as its procedure and returns the procedure
// of the platform class it builds on (DefWindowProcW for none). A second registration of
// the name must give the same base class and style; otherwise it throws fw::Exception.
// A class of our own may carry icons, which must outlive it (framework/ProgramIcons.h): a
// window made with them needs no icon of its own, so the platform prepares one picture, not three.
WNDPROC RegisterWindowClass(const std::wstring& name, const std::wstring& baseClass, UINT style, WNDPROC proc,
                            HICON icon = nullptr, HICON smallIcon = nullptr);

// The offset of our slot among the window's extra bytes: the last pointer-sized place.
int WindowSlotOffset(HWND window);

}  // namespace fw
