// Writes the game's index and archives (KEY V1, BIFF V1, BIFC V1.0, BIF V1.0): the one
// writer behind the test folders, the benchmark's folder, a fuzz target and
// scripts/make-game.sh. A test tool: never part of the programs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gametools {

using Path = std::filesystem::path;

struct ArchivedResource {
    std::uint32_t locator = 0;  // as the archive's entry holds it: file index in bits 13-0
    std::uint16_t type = 0;
    std::string data;
};

struct IndexedResource {
    std::string resref;
    std::uint16_t type = 0;
    std::uint32_t locator = 0;
};

struct IndexedArchive {
    std::string name;  // as the KEY holds it, e.g. "data\\Default.bif"
    std::uint32_t length = 0;
    std::uint16_t location = 1;
};

std::uint32_t MakeLocator(std::uint32_t archiveIndex, std::uint32_t fileIndex);

// The entry table directly after the header, the data after it; or the data first.
std::string MakeBiff(const std::vector<ArchivedResource>& resources, bool dataFirst = false);
std::string MakeBifc(std::string_view biff, std::size_t blockSize = 8192);
std::string MakeBifV10(std::string_view biff, std::string_view name);
std::string MakeKey(const std::vector<IndexedArchive>& archives, const std::vector<IndexedResource>& resources);
// The encrypted form of a text resource.
std::string EncryptText(std::string_view text);

// The game's own table: the traps, locks and scrolls values of Baldur's Gate 2.
std::string StockTableText();

enum class GameArchiveForm { Biff, Bifc, Cbf };

struct GameFolderPlan {
    int archives = 1;
    int resourcesPerArchive = 20;  // the table is the last entry of the last archive
    GameArchiveForm form = GameArchiveForm::Biff;
    std::string tableText = StockTableText();
};

// Writes chitin.key and data/*.bif (or *.cbf) under `folder`; returns the KEY's size.
std::uint64_t WriteGameFolder(const Path& folder, const GameFolderPlan& plan);
void WriteBytes(const Path& file, std::string_view bytes);

}  // namespace gametools
