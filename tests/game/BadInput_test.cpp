#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "game/ArchiveLocator.h"
#include "tests/tools/ArchiveWriter.h"
#include "game/Biff.h"
#include "game/CompressedBiff.h"
#include "game/KeyFile.h"
#include "game/TableReading.h"
#include "tests/game/TempFolder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace game {
namespace {

using namespace gametools;

namespace fs = std::filesystem;

std::string Patched(std::string bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string SmallBiff() { return MakeBiff({{5, kTwoDaType, "2DA V1.0\r\n0\r\n"}}); }
std::string Key(const std::string& name = "data\\x.bif")
{
    return MakeKey({{name, 0, 1}}, {{"XPBONUS", kTwoDaType, MakeLocator(0, 5)}});
}

void ReadKey(const std::string& bytes)
{
    MemorySource source("chitin.key", bytes.data(), bytes.size());
    FindInKey(source, "XPBONUS", kTwoDaType);
}

void ReadArchive(const std::string& bytes)
{
    MemorySource source("x.bif", bytes.data(), bytes.size());
    ReadBiffEntry(*OpenArchive(source, SniffArchive(source)), 5);
}

TEST(BadInput, ErrorNamesFileOffsetAndWhatIsWrong)
{
    std::string bifc = MakeBifc(SmallBiff(), 16), bif = MakeBifV10(SmallBiff(), "x.bif");
    // The entry's data lies past what the stream holds, whatever size it claims.
    std::string farBifc = Patched(MakeBifc(Patched(SmallBiff(), 24, 70000), 16), 8, 0xFFFFFFFF);
    std::string farBif = Patched(MakeBifV10(Patched(SmallBiff(), 24, 70000), "x.bif"), 18, 0xFFFFFFFF);
    std::string damaged = bif;
    damaged[damaged.size() - 8] ^= 0x55;
    struct Case {
        const char* name;
        std::function<void()> read;
        std::optional<std::uint64_t> offset;
        ReadProblem problem;
        const char* what;
    } cases[] = {
        {"KEY truncated header", [] { ReadKey("KEY V1  "); }, 0, ReadProblem::KeyTruncated, "truncated header"},
        {"KEY signature", [] { ReadKey("KEY V2  " + std::string(16, '\0')); }, 0, ReadProblem::NotAKey, "not a KEY V1"},
        {"KEY count needing gigabytes", [] { ReadKey(Patched(Key(), 12, 300000000)); }, 47, ReadProblem::EntriesPastEnd, "300000000 resource entries"},
        {"KEY archive index", [] { ReadKey(Patched(Key(), 57, MakeLocator(7, 5))); }, 47, ReadProblem::ArchiveIndexTooHigh, "lists 1 archives"},
        {"KEY name past the end", [] { ReadKey(Patched(Key(), 28, 9999)); }, 24, ReadProblem::ArchiveNamePastEnd, "past the end"},
        {"BIFF offset past the end", [] { ReadArchive(Patched(SmallBiff(), 24, 70000)); }, 70000, ReadProblem::PastEnd, "past the end"},
        {"BIFF lying count", [] { ReadArchive(Patched(SmallBiff(), 8, 3)); }, 20, ReadProblem::PastEnd, "past the end"},
        {"BIFF count", [] { ReadArchive(Patched(SmallBiff(), 8, 1000001)); }, 8, ReadProblem::TooManyEntries, "too large"},
        {"BIFF no entry", [] { ReadArchive(Patched(SmallBiff(), 20, 6)); }, 20, ReadProblem::NoEntry, "no entry with file index 5"},
        {"BIFF entry too large", [] { ReadArchive(Patched(SmallBiff(), 28, 2u << 20)); }, 36, ReadProblem::EntryTooLarge, "too large"},
        {"unknown archive", [] { ReadArchive("BIFFV2  " + std::string(12, '\0')); }, 0, ReadProblem::NotAnArchive, "not an archive"},
        {"BIFC block past the end", [&] { ReadArchive(bifc.substr(0, 40)); }, 39, ReadProblem::PastEnd, "past the end"},
        {"BIFC claiming 4 GB", [&] { ReadArchive(farBifc); }, farBifc.size(), ReadProblem::PastEnd, "block header"},
        {"BIF V1.0 claiming 4 GB", [&] { ReadArchive(farBif); }, 18, ReadProblem::StreamShort, "ends after 49 bytes"},
        {"BIF V1.0 damaged zlib", [&] { ReadArchive(damaged); }, damaged.size(), ReadProblem::ZlibDamaged, "damaged zlib data"},
        {"BIF V1.0 cut short", [&] { ReadArchive(Patched(bif, 22, 4)); }, 30, ReadProblem::ZlibEndsEarly, "ends early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.read();
            ADD_FAILURE() << "no error";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.Offset(), c.offset);
            EXPECT_EQ(e.Problem(), c.problem);
            EXPECT_NE(std::string(e.what()).find(c.what), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(ToUtf8(e.File())), std::string::npos);
        }
    }
}

TEST(BadInput, ArchiveNamesLeavingTheGameFolderAreRefused)
{
    const std::pair<const char*, ReadProblem> refused[] = {
        {"..\\x.bif", ReadProblem::NameClimbsOut},              {"data\\..\\..\\x.bif", ReadProblem::NameClimbsOut},
        {"\\\\server\\x.bif", ReadProblem::NameIsNetworkPath},  {"\\\\?\\C:\\x.bif", ReadProblem::NameIsNetworkPath},
        {"C:\\x.bif", ReadProblem::NameHasDriveLetter},         {"/etc/x.bif", ReadProblem::NameIsAbsolute},
        {"data\\CON", ReadProblem::NameIsDevice},               {"data\\nul.bif", ReadProblem::NameIsDevice},
        {"COM7.txt", ReadProblem::NameIsDevice},                {"lpt1", ReadProblem::NameIsDevice},
        {"data\\\\x.bif", ReadProblem::NameHasEmptyPart},       {"data\\x?.bif", ReadProblem::NameHasOddCharacter},
    };
    for (const auto& [name, problem] : refused) {
        SCOPED_TRACE(name);
        try {
            SafeArchiveParts(name, "chitin.key", 0);
            ADD_FAILURE() << "not refused";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.Problem(), problem);
        }
    }
    EXPECT_EQ(SafeArchiveParts("\\data\\x.bif", "k", 0), (std::vector<std::string>{"data", "x.bif"}));
    EXPECT_EQ(SafeArchiveParts("data:COM10.bif", "k", 0), (std::vector<std::string>{"data", "COM10.bif"}));
}

TEST(BadInput, FolderErrors)
{
    gametest::TempFolder folder;
    try {
        ReadGameTable(folder.Path());
        ADD_FAILURE() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.Problem(), ReadProblem::NotAGameFolder);
        EXPECT_NE(std::string(e.what()).find("not a game folder"), std::string::npos);
    }
    WriteBytes(folder.Path() / "chitin.key", Key());
    try {
        ReadGameTable(folder.Path());
        ADD_FAILURE() << "no error";
    } catch (const ReadError& e) {
        std::string what = e.what();
        EXPECT_EQ(e.Problem(), ReadProblem::ArchiveNotFound);
        EXPECT_EQ(e.Values().tried.size(), ArchiveFolders().size());
        EXPECT_NE(what.find("none of the folders tried"), std::string::npos);
        EXPECT_NE(what.find(ToUtf8(Path(folder.Path() / "data" / "CD6"))), std::string::npos) << what;
    }
    // Only regular files are opened.
    fs::create_directories(folder.Path() / "folder.2da");
    EXPECT_THROW(ReadTableFile(folder.Path() / "folder.2da"), ReadError);
    // Larger than a table can be: refused before reading.
    WriteBytes(folder.Path() / "override" / "xpbonus.2da", "");
    fs::resize_file(folder.Path() / "override" / "xpbonus.2da", (1u << 20) + 1);
    EXPECT_THROW(ReadGameTable(folder.Path()), ReadError);
}

#ifndef _WIN32
TEST(BadInput, FifoInOverrideDoesNotHang)
{
    gametest::TempFolder folder;
    fs::create_directories(folder.Path() / "override");
    ASSERT_EQ(mkfifo((folder.Path() / "override" / "xpbonus.2da").c_str(), 0600), 0);
    try {
        ReadGameTable(folder.Path());
        ADD_FAILURE() << "no error";
    } catch (const ReadError& e) {
        EXPECT_NE(std::string(e.what()).find("not a regular file"), std::string::npos);
    }
}
#endif

}  // namespace
}  // namespace game
