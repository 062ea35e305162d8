// Where the command's text goes: UTF-8 bytes into pipes and files, identical in every build;
// on a Windows console, wide-character writes, so any letter shows whatever the code page.
#pragma once

#include <memory>
#include <string_view>

namespace cli {

class Console {
public:
    virtual ~Console() = default;
    virtual void Out(std::string_view utf8) = 0;
    virtual void Err(std::string_view utf8) = 0;
    // The system's error of the first failed write to standard output (errno on POSIX, the
    // Windows error code on Windows), or 0. A reader that went away (a closed pipe) is no
    // failure.
    virtual int OutFailure() const { return 0; }
};

// The process's standard output and error.
std::unique_ptr<Console> SystemConsole();

}  // namespace cli
