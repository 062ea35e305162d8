// `xptable templates [--json]`: the stored templates with the window's list texts.
#include "cli/Command.h"
#include "cli/JsonText.h"
#include "cli/Messages.h"
#include "cli/Subcommand.h"
#include "cli/TemplatesOutput.h"

namespace cli {

namespace {

class Templates : public Subcommand {
public:
    void Describe(CLI::App& sub, Language language) override
    {
        sub.description(std::string(Say(Message::TemplatesDescription, language)));
        sub.add_flag("--json", json_, std::string(Say(Message::TemplatesJsonFlag, language)));
    }

    int Run(Console& console, Language language) override
    {
        console.Out(json_ ? JsonText(TemplatesJson()) : TemplatesText(language));
        return kSuccess;
    }

private:
    bool json_ = false;
};

}  // namespace

std::unique_ptr<Subcommand> TemplatesCommand()
{
    return std::make_unique<Templates>();
}

}  // namespace cli
