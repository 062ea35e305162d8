#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

namespace {

class PosixConsole : public Console {
public:
    void Out(std::string_view utf8) override
    {
        if (!Write(stdout, utf8) && errno != EPIPE && outFailure_ == 0)
            outFailure_ = errno != 0 ? errno : EIO;
    }
    void Err(std::string_view utf8) override { Write(stderr, utf8); }
    int OutFailure() const override { return outFailure_; }

private:
    // False with errno set when the bytes did not all arrive.
    static bool Write(std::FILE* stream, std::string_view text)
    {
        errno = 0;
        bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
        return std::fflush(stream) == 0 && written;
    }

    int outFailure_ = 0;
};

}  // namespace

std::unique_ptr<Console> SystemConsole()
{
    return std::make_unique<PosixConsole>();
}

Language UserLanguage()
{
    return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace cli
