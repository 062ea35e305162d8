#include "framework/Exceptions.h"

#include <utility>

namespace fw {

Exception::Exception(std::string message) : message_(std::move(message)) {}

std::string EInOutError::TextFor(int code)
{
    switch (code) {
    case kIoFileNotFound: return "File not found";
    case kIoInvalidFilename: return "Invalid filename";
    case kIoTooManyOpenFiles: return "Too many open files";
    case kIoAccessDenied: return "File access denied";
    case kIoReadBeyondEnd: return "Read beyond end of file";
    case kIoDiskFull: return "Disk full";
    case kIoInvalidNumericInput: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
    }
}

EInOutError::EInOutError(int code, int systemError)
    : Exception(TextFor(code)), code_(code), systemError_(systemError)
{
}

EListError EListError::IndexOutOfBounds(int index)
{
    return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

EConvertError EConvertError::CannotAssign(const std::string& sourceClass, const std::string& targetClass)
{
    return EConvertError("Cannot assign a " + sourceClass + " to a " + targetClass);
}

std::string FailureBoxText(const std::string& message)
{
    // Compared as unsigned bytes, so Cyrillic letters (0xC0 and up) also get the stop.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

}  // namespace fw
