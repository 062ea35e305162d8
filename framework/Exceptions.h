// The framework's failure types. Messages are single-byte text (code page 1251).
#pragma once

#include <exception>
#include <string>

namespace fw {

class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A failed file operation; the code is the platform's error code or one of the runtime's own.
class EInOutError : public Exception {
public:
    // `systemError`: the system's own error behind the code when the code only stands for
    // it (errno on POSIX, where the code is the Windows code it maps to), else 0.
    explicit EInOutError(int code, int systemError = 0);
    // A failure with a text of its own in place of the code's.
    EInOutError(int code, std::string message) : Exception(std::move(message)), code_(code), systemError_(0) {}
    int ErrorCode() const { return code_; }
    int SystemError() const { return systemError_; }
    // "File access denied" for 5, "I/O error 32" for 32, and so on.
    static std::string TextFor(int code);

private:
    int code_;
    int systemError_;
};

// Runtime codes that are not platform error codes.
enum InOutCode : int {
    kIoFileNotFound = 2,
    kIoInvalidFilename = 3,
    kIoTooManyOpenFiles = 4,
    kIoAccessDenied = 5,
    kIoReadBeyondEnd = 100,
    kIoDiskFull = 101,
    kIoInvalidNumericInput = 106,
};

// "List index out of bounds (%d)".
class EListError : public Exception {
public:
    using Exception::Exception;
    static EListError IndexOutOfBounds(int index);
};

// "Stream read error" and other failures of reading stored data.
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
    using Exception::Exception;
};

// "Cannot assign a %s to a %s".
class EConvertError : public Exception {
public:
    using Exception::Exception;
    static EConvertError CannotAssign(const std::string& sourceClass, const std::string& targetClass);
};

// The text the default failure box shows: the message with a full stop added when
// the message is not empty and its last character sorts after '.'.
std::string FailureBoxText(const std::string& message);

}  // namespace fw
