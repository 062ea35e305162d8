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
WNDPROC RegisterWindowClass(const std::wstring& name, const std::wstring& baseClass, UINT style, WNDPROC proc);

// The offset of our slot among the window's extra bytes: the last pointer-sized place.
int WindowSlotOffset(HWND window);

}  // namespace fw
