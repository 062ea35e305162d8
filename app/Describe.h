// Helpers of the window descriptions: a control made, named and placed in its form in
// one step, and code page 1251 literals as strings.
#pragma once

#include <string>
#include <string_view>

#include "framework/Form.h"

namespace app {

template <typename T>
T* Make(fw::Form* form, const char* name, int left, int top, int width, int height)
{
    T* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

inline std::string S(std::string_view text) { return std::string(text); }

}  // namespace app
