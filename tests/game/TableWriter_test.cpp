#include "game/TableWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "../framework/InOutCode.h"

namespace {

namespace fs = std::filesystem;
using game::WriteStep;

const char kNew[] = "2DA V1.0\r\n0\r\nnew table\r\n";
const char kOld[] = "another mod's table\r\n";

std::tm At(int second)
{
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 15;
    time.tm_min = 9;
    time.tm_sec = second;
    return time;
}

struct GameFolder {
    GameFolder()
    {
        static int count = 0;
        path = fs::temp_directory_path() /
               ("xp-writer-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                std::to_string(++count));
        fs::create_directories(path);
    }
    ~GameFolder() { fs::remove_all(path); }
    fs::path path;
};

void Put(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : "<missing>";
}

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(game::ToUtf8(it->path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

game::WriteOptions FixedClock(int second = 52)
{
    game::WriteOptions options;
    options.localTime = [second] { return At(second); };
    return options;
}

TEST(TableWriter, BackupNamesCountUpWithinTheirSecond)
{
    struct Case {
        std::vector<std::string> existing;
        int second;
        bool marker;
        const char* expected;
    } cases[] = {
        {{}, 52, false, "xpbonus-20261207-150952-01.2da"},
        {{}, 5, true, "xpbonus-20261207-150905-01.none"},
        {{"xpbonus-20261207-150952-01.2da", "xpbonus-20261207-150952-02.none"}, 52, false,
         "xpbonus-20261207-150952-03.2da"},
        {{"xpbonus-20261207-150951-07.2da", "readme.txt", "xpbonus-20261207-150952-3.2da"}, 52, true,
         "xpbonus-20261207-150952-01.none"},
        {{"xpbonus-20261207-150952-99.2da"}, 52, false, "xpbonus-20261207-150952-100.2da"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(game::BackupName(At(c.second), game::NextBackupNumber(c.existing, At(c.second)), c.marker),
                  c.expected);
    }
}

TEST(TableWriter, KeepsWhatItReplacesAndMarksWhatItCreates)
{
    struct Case {
        const char* name;
        const char* before;  // the table before, or nothing
        std::vector<std::string> backups;
        const char* backupBytes;
        bool changed;
    } cases[] = {
        {"no table yet: a marker", nullptr, {"xpbonus-20261207-150952-01.none"}, "", true},
        {"another table: kept byte for byte", kOld, {"xpbonus-20261207-150952-01.2da"}, kOld, true},
        {"the same bytes: left as they are", kNew, {}, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        if (c.before)
            Put(game.path / "override" / "xpbonus.2da", c.before);
        game::WriteResult result = game::WriteTable(game.path, kNew, FixedClock());
        EXPECT_EQ(result.target, game.path / "override" / "xpbonus.2da");
        EXPECT_EQ(Read(result.target), kNew);
        EXPECT_EQ(result.changed, c.changed);
        EXPECT_EQ(Names(game.path / "xpbonus-backup"), c.backups);
        EXPECT_EQ(Names(game.path / "override"), std::vector<std::string>{"xpbonus.2da"});
        if (c.backupBytes) {
            EXPECT_EQ(Read(*result.backup), c.backupBytes);
        }
    }
}

TEST(TableWriter, GoingBackListsNewestFirstAndRemoveKeepsTheTable)
{
    GameFolder game;
    game::WriteTable(game.path, kOld, FixedClock(52));
    game::WriteTable(game.path, kNew, FixedClock(52));
    game::WriteResult removed = game::RemoveTable(game.path, FixedClock(53));
    EXPECT_TRUE(removed.changed);
    EXPECT_EQ(Read(removed.target), "<missing>");
    EXPECT_FALSE(game::RemoveTable(game.path, FixedClock(54)).changed) << "nothing left to remove";

    std::vector<game::Backup> backups = game::ListBackups(game.path);
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(game::ToUtf8(backups[0].path.filename()), "xpbonus-20261207-150953-01.2da");
    EXPECT_EQ(Read(backups[0].path), kNew);
    EXPECT_EQ(Read(backups[1].path), kOld);
    EXPECT_TRUE(backups[2].marker);
}

TEST(TableWriter, FailuresReplaceNothingAndLeaveNothingBehind)
{
    auto failAt = [](WriteStep failing, int code) {
        game::WriteOptions options = FixedClock();
        options.beforeStep = [=](WriteStep step) {
            if (step == failing)
                throw fw::EInOutError(code);
        };
        return options;
    };
    game::WriteOptions secondBlock = FixedClock(), shortWrite = FixedClock();
    int blocks = 0;
    secondBlock.blockWriter = [&](game::files::OutputFile& file, std::string_view block) {
        if (++blocks == 2)
            throw fw::EInOutError(112);
        return file.Write(block);
    };
    shortWrite.blockWriter = [](game::files::OutputFile& file, std::string_view block) {
        return file.Write(block.substr(0, block.size() / 2));
    };
    struct Case {
        const char* name;
        const char* inTheWay;  // a file put at this place in the game folder
        game::WriteOptions options;
        int code;
    } cases[] = {
        {"the back-up folder is a file", "xpbonus-backup", FixedClock(), 3},
        {"the override folder is a file", "override", FixedClock(), 3},
        {"no room for the back-up", nullptr, failAt(WriteStep::BackupWrite, 112), 112},
        {"the back-up cannot be flushed", nullptr, failAt(WriteStep::BackupFlush, 5), 5},
        {"the temporary file cannot be flushed", nullptr, failAt(WriteStep::TemporaryFlush, 29), 29},
        {"the replace is refused", nullptr, failAt(WriteStep::Replace, 5), 5},
        {"the disk fills up at the second block", nullptr, secondBlock, 112},
        {"a short write", nullptr, shortWrite, fw::kIoDiskFull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        bool table = !c.inTheWay || std::string(c.inTheWay) != "override";
        if (table)
            Put(game.path / "override" / "xpbonus.2da", kOld);
        if (c.inTheWay)
            Put(game.path / c.inTheWay, "in the way");
        std::vector<std::string> before = Names(game.path), overrideBefore = Names(game.path / "override");
        std::string bytes = std::string(kNew) + std::string(300, 'x');
        EXPECT_EQ(fwtest::InOutCodeOf([&] { game::WriteTable(game.path, bytes, c.options); }), c.code);
        EXPECT_EQ(Names(game.path), before);
        EXPECT_EQ(Names(game.path / "override"), overrideBefore);
        if (table) {
            EXPECT_EQ(Read(game.path / "override" / "xpbonus.2da"), kOld);
        }
    }
}

#ifndef _WIN32
// Case-sensitive file systems and symbolic links: POSIX only.
TEST(TableWriter, ExistingSpellingsAreUsedAndLinksOrTwinsRefused)
{
    struct Case {
        const char* name;
        std::vector<const char*> files;    // put with kOld
        std::vector<const char*> folders;  // created
        const char* link;                  // a link to a folder elsewhere, at this place
        int code;
        const char* written;               // where the table goes
    } cases[] = {
        {"the spellings on the disk", {"Override/XPBonus.2DA"}, {}, nullptr, 0, "Override/XPBonus.2DA"},
        {"two override folders", {}, {"override", "Override"}, nullptr, 3, nullptr},
        {"two tables", {"override/xpbonus.2da", "override/XPBONUS.2DA"}, {}, nullptr, 3, nullptr},
        {"a link for override", {}, {}, "override", 5, nullptr},
        {"a link for the table", {}, {"override"}, "override/xpbonus.2da", 5, nullptr},
        {"a link for the back-up folder", {"override/xpbonus.2da"}, {}, "xpbonus-backup", 5, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game, elsewhere;
        for (const char* file : c.files)
            Put(game.path / file, kOld);
        for (const char* folder : c.folders)
            fs::create_directories(game.path / folder);
        if (c.link)
            fs::create_directory_symlink(elsewhere.path, game.path / c.link);
        EXPECT_EQ(fwtest::InOutCodeOf([&] { game::WriteTable(game.path, kNew, FixedClock()); }), c.code);
        EXPECT_TRUE(Names(elsewhere.path).empty()) << "nothing written through a link";
        if (c.written) {
            EXPECT_EQ(Read(game.path / c.written), kNew);
            EXPECT_EQ(Names(game.path), (std::vector<std::string>{"Override", "xpbonus-backup"}));
        }
    }
}

TEST(TableWriter, ATwinIsNamedInTheRefusal)
{
    GameFolder game;
    fs::create_directories(game.path / "override");
    fs::create_directories(game.path / "OVERRIDE");
    try {
        game::WriteTable(game.path, kNew);
        ADD_FAILURE() << "written despite two spellings";
    } catch (const game::SpellingConflict& e) {
        EXPECT_EQ(e.Message(), "Invalid filename");
        EXPECT_EQ(e.Spellings(), (std::vector<fs::path>{game.path / "OVERRIDE", game.path / "override"}));
        EXPECT_NE(std::string(e.what()).find(game::ToUtf8(game.path / "OVERRIDE")), std::string::npos);
    }
}
#endif

}  // namespace
