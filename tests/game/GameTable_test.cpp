#include <gtest/gtest.h>

#include <filesystem>

#include "tests/tools/ArchiveWriter.h"
#include "game/CompressedBiff.h"
#include "game/KeyFile.h"
#include "game/TableReading.h"
#include "tests/game/TempFolder.h"

namespace game {
namespace {

using namespace gametools;

namespace fs = std::filesystem;

const std::string kCustom = "2DA V1.0\r\n0\r\nL\r\nPICK_LOCK 7\r\nDISARM_TRAP 8\r\nLEARN_SPELL 9\r\n";

TEST(GameTable, EachArchiveFormGivesTheStockTable)
{
    struct Case {
        GameArchiveForm form;
        Compression compression;
        const char* file;
    } cases[] = {
        {GameArchiveForm::Biff, Compression::None, "Data1.bif"},
        {GameArchiveForm::Bifc, Compression::Bifc, "Data1.bif"},
        {GameArchiveForm::Cbf, Compression::Bif, "Data1.cbf"},  // the KEY names Data1.bif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        gametest::TempFolder folder;
        GameFolderPlan plan;
        plan.archives = 2;
        plan.form = c.form;
        WriteGameFolder(folder.Path(), plan);
        TableReading reading = ReadGameTable(folder.Path());
        EXPECT_EQ(reading.source.kind, SourceKind::Archive);
        EXPECT_EQ(reading.source.compression, c.compression);
        EXPECT_EQ(reading.source.archive.filename(), c.file);
        EXPECT_EQ(reading.source.path.filename(), "chitin.key");
        EXPECT_TRUE(reading.findings.empty());
        EXPECT_EQ(reading.activities[0].templateChoice, 1);
        EXPECT_EQ(reading.activities[0].levels[39], 1550);
    }
}

// A game folder whose KEY is written by the test: decoys before the table, archives where the test puts them.
struct Layout {
    std::string archiveName = "data\\Default.bif";
    fs::path archiveFile = "data/DEFAULT.BIF";
    bool dataFirst = false;
    bool compressed = false;
};

void WriteDecoyGame(const fs::path& folder, const Layout& layout)
{
    // The table's entry is the second in the archive, with file index 5 and junk in bits 14-31;
    // its KEY locator has junk in the tileset bits. Another type and XPBONUS2 come first.
    std::vector<ArchivedResource> resources = {
        {9, kTwoDaType, "2DA V1.0\r\n0\r\nL\r\nPICK_LOCK 1\r\n"},
        {0xFFF0C005u, 0x03EF, kCustom},
        {3, 0x03F3, "decoy: another type named XPBONUS"},
    };
    std::string biff = MakeBiff(resources, layout.dataFirst);
    WriteBytes(folder / layout.archiveFile, layout.compressed ? MakeBifc(biff, 64) : biff);
    WriteBytes(folder / "chitin.key",
               MakeKey({{"data\\other.bif", 0, 1}, {layout.archiveName, std::uint32_t(biff.size()), 1}},
                        {{"XPBONUS", 0x03F3, MakeLocator(1, 3)},
                         {"XPBONUS2", kTwoDaType, MakeLocator(1, 9)},
                         {"", kTwoDaType, MakeLocator(1, 9)},
                         {"xpbonus", kTwoDaType, MakeLocator(1, 5) | 0x7C000},
                         {"XPBONUS", kTwoDaType, MakeLocator(0, 9)}}));
}

TEST(GameTable, DecoysFoldersAndLetterCase)
{
    struct Case {
        const char* name;
        Layout layout;
    } cases[] = {
        {"plain", {}},
        {"data before the table, compressed (read twice)", {"data\\Default.bif", "data/DEFAULT.BIF", true, true}},
        {"compressed", {"data\\Default.bif", "Data/default.bif", false, true}},
        {"leading backslash", {"\\data\\Default.bif", "data/Default.bif"}},
        {"game folder", {"Default.bif", "default.bif"}},
        {"data folder for a bare name", {"Default.bif", "DATA/default.bif"}},
        {"CD folder", {"data\\Default.bif", "cd3/DATA/Default.bif"}},
        {"data CD folder", {"Default.bif", "Data/CD6/Default.bif"}},
        {".cbf in place of .bif", {"data\\Default.bif", "data/Default.CBF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gametest::TempFolder folder;
        WriteDecoyGame(folder.Path(), c.layout);
        TableReading reading = ReadGameTable(folder.Path());
        EXPECT_EQ(reading.activities[0].levels[0], 7);
        EXPECT_EQ(reading.activities[2].levels[0], 9);
        EXPECT_EQ(reading.cap, 1);
    }
}

// A compressed archive is streamed from its start again only for data lying before its table.
TEST(GameTable, CompressedArchiveIsReadOnceOrTwice)
{
    for (bool dataFirst : {false, true}) {
        SCOPED_TRACE(dataFirst ? "data first" : "table first");
        std::string biff = MakeBiff({{1, kTwoDaType, "one"}, {2, kTwoDaType, kCustom}}, dataFirst);
        for (const std::string& bytes : {MakeBifc(biff, 32), MakeBifV10(biff, "x.bif")}) {
            MemorySource source("x.bif", bytes.data(), bytes.size());
            CompressedBiff archive(source, SniffArchive(source));
            std::vector<unsigned char> entry = ReadBiffEntry(archive, 2);
            EXPECT_EQ(std::string(entry.begin(), entry.end()), kCustom);
            EXPECT_EQ(archive.Passes(), dataFirst ? 2 : 1);
        }
    }
}

TEST(GameTable, OverrideComesFirstInAnyLetterCase)
{
    gametest::TempFolder folder;
    WriteGameFolder(folder.Path(), {});
    WriteBytes(folder.Path() / "OverRide" / "XPBonus.2DA", kCustom);
    TableReading reading = ReadGameTable(folder.Path());
    EXPECT_EQ(reading.source.kind, SourceKind::Override);
    EXPECT_EQ(reading.activities[1].levels[0], 8);

    // Without a KEY an override table is enough.
    fs::remove(folder.Path() / "chitin.key");
    EXPECT_EQ(ReadGameTable(folder.Path()).activities[1].levels[0], 8);
}

TEST(GameTable, SeveralSpellingsReadTheExactOne)
{
    gametest::TempFolder folder;
    WriteBytes(folder.Path() / "Override" / "XPBONUS.2DA", StockTableText());
    WriteBytes(folder.Path() / "override" / "xpbonus.2da", kCustom);
    if (fs::equivalent(folder.Path() / "Override", folder.Path() / "override"))
        GTEST_SKIP() << "the file system ignores letter case";
    TableReading reading = ReadGameTable(folder.Path());
    EXPECT_EQ(reading.source.path, folder.Path() / "override" / "xpbonus.2da");
    ASSERT_FALSE(reading.findings.empty());
    EXPECT_EQ(reading.findings[0].code, "case-duplicates");
    EXPECT_NE(reading.findings[0].message.find("XPBONUS.2DA"), std::string::npos);
}

TEST(GameTable, KeyWithoutTheTablePaysNothing)
{
    gametest::TempFolder folder;
    WriteBytes(folder.Path() / "CHITIN.KEY", MakeKey({{"data\\a.bif", 0, 1}}, {{"XPBONUS2", kTwoDaType, 0}}));
    TableReading reading = ReadGameTable(folder.Path());
    ASSERT_EQ(reading.findings.size(), 1u);
    EXPECT_EQ(reading.findings[0].code, "missing");
    for (const ActivityReading& a : reading.activities) {
        EXPECT_EQ(a.levels[0], 0);
        EXPECT_EQ(a.templateChoice, 5);
    }
}

}  // namespace
}  // namespace game
