#include <cstdio>
#include <cstdlib>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

namespace {

class PosixConsole : public Console {
public:
    void Out(std::string_view utf8) override { Write(stdout, utf8); }
    void Err(std::string_view utf8) override { Write(stderr, utf8); }

private:
    static void Write(std::FILE* stream, std::string_view text)
    {
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
    }
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
