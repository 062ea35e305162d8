// A subcommand of `xptable` kept in its own file: it adds itself and its options to the
// parser, then runs once the arguments are parsed and it is the one chosen.
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <vector>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

class Subcommand {
public:
    virtual ~Subcommand() = default;
    virtual CLI::App* Add(CLI::App& app, const std::string& group, Language language) = 0;
    // Returns the exit code.
    virtual int Run(Console& console, Language language) = 0;
};

std::unique_ptr<Subcommand> WriteCommand();
std::unique_ptr<Subcommand> BackupsCommand();
std::unique_ptr<Subcommand> RestoreCommand();

// Every subcommand in its own file, in the order the help lists them.
inline std::vector<std::unique_ptr<Subcommand>> MoreSubcommands()
{
    std::vector<std::unique_ptr<Subcommand>> all;
    all.push_back(WriteCommand());
    all.push_back(BackupsCommand());
    all.push_back(RestoreCommand());
    return all;
}

}  // namespace cli
