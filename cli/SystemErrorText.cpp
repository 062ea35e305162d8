#include "cli/SystemErrorText.h"

#include "cli/Messages.h"

namespace cli {

#ifdef _WIN32
// The Windows code is what the window says too.
std::string SystemErrorText(int error, Language language)
{
    return InOutErrorText(error, language);
}
#endif

std::string FailureReason(const fw::EInOutError& error, Language language)
{
    if (error.SystemError() != 0)
        return SystemErrorText(error.SystemError(), language);
    return InOutErrorText(error.ErrorCode(), language);
}

}  // namespace cli
