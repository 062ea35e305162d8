// A system's error as that system's users know it. POSIX: errno in the C library's words
// ("No space left on device"), or in Russian; Windows: the window's wording of its codes
// ("I/O error 32.").
#pragma once

#include <string>

#include "cli/Language.h"
#include "framework/Exceptions.h"

namespace cli {

// `error`: errno on POSIX, the Windows error code on Windows.
std::string SystemErrorText(int error, Language language);

// Why a file operation failed: the system's error it kept, else the window's code.
std::string FailureReason(const fw::EInOutError& error, Language language);

}  // namespace cli
