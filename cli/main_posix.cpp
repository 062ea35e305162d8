// The command's entry point on Linux and other POSIX systems.
#include <string>
#include <vector>

#include "cli/Command.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    auto console = cli::SystemConsole();
    return cli::RunCommand(args, *console, cli::UserLanguage());
}
