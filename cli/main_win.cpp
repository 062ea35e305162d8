// The command's entry point on Windows: wide arguments, taken as UTF-8 from here on; paths
// go back to UTF-16 on their way to the file system.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/Command.h"

namespace {

std::string Utf8(const wchar_t* text)
{
    int length = static_cast<int>(wcslen(text));
    if (length == 0)
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8(argv[i]));
    auto console = cli::SystemConsole();
    return cli::RunCommand(args, *console, cli::UserLanguage());
}
