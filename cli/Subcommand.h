// A subcommand of `xptable` kept in its own file: it describes itself and its options on the
// parser's subcommand of its name, then runs once the arguments are parsed and it is the one
// chosen. kSubcommands is the one list of them.
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string_view>

#include "cli/Console.h"
#include "cli/Language.h"

namespace cli {

class Subcommand {
public:
    virtual ~Subcommand() = default;
    // Its description, arguments and options, on `sub`.
    virtual void Describe(CLI::App& sub, Language language) = 0;
    // Returns the exit code.
    virtual int Run(Console& console, Language language) = 0;
};

std::unique_ptr<Subcommand> ShowCommand();
std::unique_ptr<Subcommand> TemplatesCommand();
std::unique_ptr<Subcommand> WriteCommand();
std::unique_ptr<Subcommand> BackupsCommand();
std::unique_ptr<Subcommand> RestoreCommand();

struct SubcommandEntry {
    std::string_view name;
    std::unique_ptr<Subcommand> (*make)();
};

// Every subcommand by name, in the order the help lists them.
inline constexpr SubcommandEntry kSubcommands[] = {
    {"show", ShowCommand},
    {"templates", TemplatesCommand},
    {"write", WriteCommand},
    {"backups", BackupsCommand},
    {"restore", RestoreCommand},
};

}  // namespace cli
