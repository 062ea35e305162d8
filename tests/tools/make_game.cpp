// Builds a game folder holding the stock XP table: chitin.key and its archives under data,
// and optionally a table in override. Used by scripts/make-game.sh.
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tests/tools/ArchiveWriter.h"

namespace {

int Usage()
{
    std::cerr << "usage: make-game.sh DIR [--bifc | --cbf] [--override FILE] [--archives N] [--resources N]\n";
    return 2;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-')
        return Usage();
    gametools::GameFolderPlan plan;
    std::string overrideFile;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--bifc")
            plan.form = gametools::GameArchiveForm::Bifc;
        else if (arg == "--cbf")
            plan.form = gametools::GameArchiveForm::Cbf;
        else if (arg == "--override" && hasValue)
            overrideFile = argv[++i];
        else if (arg == "--archives" && hasValue)
            plan.archives = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--resources" && hasValue)
            plan.resourcesPerArchive = std::max(1, std::min(16384, std::atoi(argv[++i])));
        else
            return Usage();
    }
    try {
        gametools::Path folder = argv[1];
        std::uint64_t keySize = gametools::WriteGameFolder(folder, plan);
        if (!overrideFile.empty())
            gametools::WriteBytes(folder / "override" / "xpbonus.2da", FileText(overrideFile));
        std::cout << "game folder " << argv[1] << ": chitin.key " << keySize << " bytes, " << plan.archives
                  << " archive(s) of " << plan.resourcesPerArchive << " resources\n";
    } catch (const std::exception& e) {
        std::cerr << "make-game: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
