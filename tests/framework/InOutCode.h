// The code of the input/output failure an action raises, or 0 when it raises none.
#pragma once

#include <functional>

#include "framework/Exceptions.h"

namespace fwtest {

inline int InOutCodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const fw::EInOutError& e) {
        return e.ErrorCode();
    }
    return 0;
}

}  // namespace fwtest
