#include "game/TableWriter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "../framework/InOutCode.h"
#include "RecordingFiles.h"

namespace {

namespace fs = std::filesystem;

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

std::string Read(const game::Path& file)
{
    std::ifstream in(fs::path(file.native()), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : "<missing>";
}

std::vector<std::string> Names(const game::Path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(folder.native()), error), end; !error && it != end; it.increment(error))
        names.push_back(game::ToUtf8(it->path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// The names in a game folder after a write, which leaves the lock's file there.
std::vector<std::string> WithLock(std::vector<std::string> names)
{
    names.push_back("xpbonus.lock");
    std::sort(names.begin(), names.end());
    return names;
}

game::WriteOptions FixedClock(int second = 52)
{
    game::WriteOptions options;
    options.localTime = [second] { return At(second); };
    return options;
}

TEST(TableWriter, BackupsAreNumberedAboveEveryNumberThere)
{
    struct Case {
        std::vector<std::string> existing;
        bool marker;
        const char* expected;
    } cases[] = {
        {{}, false, "xpbonus-000001-20261207-150952.2da"},
        {{}, true, "xpbonus-000001-20261207-150952.none"},
        // A later time in an older name, a gap, a marker: only the highest number counts.
        {{"xpbonus-000007-20301231-235959.none", "xpbonus-000002-20261207-150952.2da"}, false,
         "xpbonus-000008-20261207-150952.2da"},
        // An earlier version's names and other files are not numbered.
        {{"xpbonus-20261207-150952-05.2da", "readme.txt", "xpbonus-12-20261207-150952.2da"}, true,
         "xpbonus-000001-20261207-150952.none"},
        {{"xpbonus-999999-20261207-150952.2da"}, false, "xpbonus-1000000-20261207-150952.2da"},
        // Planted names of any width: the next is one above them, never a name already there.
        {{"xpbonus-999999999999999-20200101-000000.2da"}, false, "xpbonus-1000000000000000-20261207-150952.2da"},
        {{"xpbonus-1234567890123456789012345-20200101-000000.2da", "xpbonus-000009-20261207-150952.2da"}, true,
         "xpbonus-1234567890123456789012346-20261207-150952.none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(game::BackupName(game::NextBackupNumber(c.existing), At(52), c.marker), c.expected);
    }
}

TEST(TableWriter, NewestIsTheHighestNumberWhateverTheClockSaid)
{
    const std::vector<std::string> names = {
        "xpbonus-20261207-150952-02.2da",       // an earlier version's, within one second
        "xpbonus-000003-20261107-020000.2da",   // after the clock went back an hour, and a month
        "xpbonus-000002-20990101-000000.none",  // stamped in the future
        "xpbonus-20261207-150952-10.none",
        "xpbonus-20261206-235959-01.2da",
        "xpbonus-000001-20261207-150952.2da",
        "xpbonus-000010-20261207-150952.2da",   // past 9: by number, not as text
        "xpbonus-0000000000000000000000000000011-20200101-000000.2da",  // zeros before it count for nothing
        "xpbonus-1000000000000000-20200101-000000.2da",                 // 16 digits
        "xpbonus-999999999999999-20200101-000000.2da",
    };
    GameFolder game;
    for (const std::string& name : names)
        Put(game.path / "xpbonus-backup" / name, "");
    std::vector<std::string> order;
    for (const game::Backup& backup : game::ListBackups(game::PlatformFiles(), game.path))
        order.push_back(game::ToUtf8(backup.path.filename()));
    EXPECT_EQ(order, (std::vector<std::string>{names[8], names[9], names[7], names[6], names[1], names[2], names[5],
                                               names[3], names[0], names[4]}));
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
        {"no table yet: a marker", nullptr, {"xpbonus-000001-20261207-150952.none"}, "", true},
        {"another table: kept byte for byte", kOld, {"xpbonus-000001-20261207-150952.2da"}, kOld, true},
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

// The clock going back between writes (summer time ending) changes nothing in the order.
TEST(TableWriter, GoingBackListsNewestFirstAndRemoveKeepsTheTable)
{
    GameFolder game;
    game::WriteTable(game.path, kOld, FixedClock(52));
    game::WriteTable(game.path, kNew, FixedClock(40));
    game::WriteResult removed = game::RemoveTable(game.path, FixedClock(30));
    EXPECT_TRUE(removed.changed);
    EXPECT_EQ(Read(removed.target), "<missing>");
    EXPECT_FALSE(game::RemoveTable(game.path, FixedClock(54)).changed) << "nothing left to remove";

    std::vector<game::Backup> backups = game::ListBackups(game::PlatformFiles(), game.path);
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(game::ToUtf8(backups[0].path.filename()), "xpbonus-000003-20261207-150930.2da");
    EXPECT_EQ(Read(backups[0].path), kNew);
    EXPECT_EQ(Read(backups[1].path), kOld);
    EXPECT_TRUE(backups[2].marker);
}

// What reaches the disk and in which order: each file flushed before the step that relies
// on it, each folder flushed after an entry is made in it.
TEST(TableWriter, EveryStepIsFlushedBeforeTheNextReliesOnIt)
{
    const std::string backup = "xpbonus-backup/xpbonus-000001-20261207-150952";
    struct Case {
        const char* name;
        bool table;  // a table and its back-up folder are there before
        bool remove;
        std::vector<std::string> changes;
    } cases[] = {
        {"a first write", false, false,
         {"lock xpbonus.lock", "mkdir override", "flush-folder .", "create override/<tmp>", "write override/<tmp>",
          "flush override/<tmp>", "close override/<tmp>", "mkdir xpbonus-backup", "flush-folder .",
          "create " + backup + ".none", "flush " + backup + ".none", "close " + backup + ".none",
          "flush-folder xpbonus-backup", "replace override/<tmp> override/xpbonus.2da", "flush-folder override",
          "unlock xpbonus.lock"}},
        {"a table replaced", true, false,
         {"lock xpbonus.lock", "create override/<tmp>", "mode override/<tmp> of override/xpbonus.2da",
          "write override/<tmp>", "flush override/<tmp>", "close override/<tmp>", "create " + backup + ".2da",
          "mode " + backup + ".2da of override/xpbonus.2da", "write " + backup + ".2da", "flush " + backup + ".2da",
          "close " + backup + ".2da", "flush-folder xpbonus-backup", "replace override/<tmp> override/xpbonus.2da",
          "flush-folder override", "unlock xpbonus.lock"}},
        {"a table removed", true, true,
         {"lock xpbonus.lock", "create " + backup + ".2da", "mode " + backup + ".2da of override/xpbonus.2da",
          "write " + backup + ".2da", "flush " + backup + ".2da", "close " + backup + ".2da",
          "flush-folder xpbonus-backup", "remove override/xpbonus.2da", "flush-folder override", "unlock xpbonus.lock"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        if (c.table) {
            Put(game.path / "override" / "xpbonus.2da", kOld);
            fs::create_directories(game.path / "xpbonus-backup");
        }
        gametest::RecordingFiles files(game.path);
        game::WriteOptions options = FixedClock();
        options.files = &files;
        game::WriteResult result =
            c.remove ? game::RemoveTable(game.path, options) : game::WriteTable(game.path, kNew, options);
        EXPECT_TRUE(result.changed);
        EXPECT_EQ(files.Changes(), c.changes);
    }
}

// Every call of a write failed in turn: the game holds the old table or the new one, the
// result says which, and a failed write leaves nothing it made behind.
TEST(TableWriter, AWriteFailedAtAnyCallReplacesAllOrNothing)
{
    for (bool table : {false, true}) {
        bool succeeded = false;
        for (int call = 1; !succeeded && call < 100; ++call) {
            SCOPED_TRACE((table ? "a table replaced, call " : "a first write, call ") + std::to_string(call));
            GameFolder game;
            if (table)
                Put(game.path / "override" / "xpbonus.2da", kOld);
            std::vector<std::string> before = Names(game.path);
            gametest::RecordingFiles files(game.path);
            files.failAt = call;
            files.failCode = 29;
            game::WriteOptions options = FixedClock();
            options.files = &files;
            std::optional<game::WriteResult> result;
            int code = fwtest::InOutCodeOf([&] { result = game::WriteTable(game.path, kNew, options); });
            std::erase(files.calls, "unlock xpbonus.lock");  // recorded, never failed
            succeeded = static_cast<int>(files.calls.size()) < call;
            if (result) {
                EXPECT_EQ(Read(game.path / "override" / "xpbonus.2da"), kNew);
                // The flush after the replace fails and the write stands; any other failure
                // that lets the write through is a look for folders to create or for other
                // spellings of a name.
                bool flushFailed = files.calls.size() == std::size_t(call) && files.calls.back() == "flush-folder override";
                EXPECT_EQ(result->flushFailure ? result->flushFailure->ErrorCode() : 0, flushFailed ? 29 : 0);
                if (!succeeded && !flushFailed) {
                    EXPECT_TRUE(files.calls[call - 1] == "kind ." || files.calls[call - 1].starts_with("list "))
                        << files.calls[call - 1];
                }
            } else {
                EXPECT_EQ(code, 29);
                // Only the lock's file stays, and the back-up of a replace that was tried.
                std::vector<std::string> left = Names(game.path);
                std::erase(left, "xpbonus.lock");
                auto replace = [](const std::string& c) { return c.starts_with("replace "); };
                if (std::any_of(files.calls.begin(), files.calls.end(), replace)) {
                    EXPECT_EQ(Names(game.path / "xpbonus-backup").size(), 1u);
                } else {
                    EXPECT_EQ(left, before) << "a folder the write made is left";
                }
                EXPECT_EQ(Read(game.path / "override" / "xpbonus.2da"), table ? kOld : "<missing>");
                if (table) {
                    EXPECT_EQ(Names(game.path / "override"), std::vector<std::string>{"xpbonus.2da"});
                }
            }
        }
        EXPECT_TRUE(succeeded) << "the write never got through";
    }
}

TEST(TableWriter, FailuresReplaceNothingAndLeaveNothingBehind)
{
    struct Case {
        const char* name;
        const char* inTheWay;  // a file put at this place in the game folder
        bool table;
        bool shortWrites;
        std::size_t size;      // of the table there before
        int code;
    } cases[] = {
        {"the back-up folder is a file", "xpbonus-backup", true, false, 10, 3},
        {"the back-up folder is a file, no override yet", "xpbonus-backup", false, false, 0, 3},
        {"the override folder is a file", "override", false, false, 0, 3},
        {"a short write", nullptr, true, true, 10, fw::kIoDiskFull},
        {"a table over 1 MiB is not read", nullptr, true, false, (1u << 20) + 1, game::kIoFileTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        std::string old = std::string(kOld) + std::string(c.size, 'x');
        if (c.table)
            Put(game.path / "override" / "xpbonus.2da", old);
        if (c.inTheWay)
            Put(game.path / c.inTheWay, "in the way");
        std::vector<std::string> before = Names(game.path), overrideBefore = Names(game.path / "override");
        gametest::RecordingFiles files(game.path);
        files.shortWrites = c.shortWrites;
        game::WriteOptions options = FixedClock();
        options.files = &files;
        std::string bytes = std::string(kNew) + std::string(300, 'x');
        EXPECT_EQ(fwtest::InOutCodeOf([&] { game::WriteTable(game.path, bytes, options); }), c.code);
        EXPECT_EQ(Names(game.path), WithLock(before));
        EXPECT_EQ(Names(game.path / "override"), overrideBefore);
        if (c.table) {
            EXPECT_EQ(Read(game.path / "override" / "xpbonus.2da"), old);
        }
    }
}

// The window may name a game folder that does not exist yet: every folder the write made is
// gone again after a failure.
TEST(TableWriter, AFailedWriteRemovesTheFoldersItMade)
{
    GameFolder root;
    gametest::RecordingFiles files(root.path);
    files.failOn = "mkdir ";
    files.failAt = 4;
    game::WriteOptions options = FixedClock();
    options.files = &files;
    EXPECT_EQ(fwtest::InOutCodeOf([&] { game::WriteTable(root.path / "new" / "game", kNew, options); }), 5);
    EXPECT_EQ(files.calls.rbegin()[1], "mkdir new/game/xpbonus-backup");
    EXPECT_EQ(files.calls.back(), "unlock new/game/xpbonus.lock");
    EXPECT_TRUE(Names(root.path).empty()) << "the lock's file goes with the game folder the write made";
}

// The replace or the removal raises after doing its work (a network folder answering a resent
// request), or without doing it: the back-up stays either way, and the outcome says which.
TEST(TableWriter, AReplaceThatRaisesKeepsItsBackupAndSaysWhatHappened)
{
    struct Case {
        const char* name;
        bool remove;
        bool happened;
        const char* table;  // afterwards
    } cases[] = {
        {"replaced, then raised", false, true, kNew},
        {"raised without replacing", false, false, kOld},
        {"removed, then raised", true, true, "<missing>"},
        {"raised without removing", true, false, kOld},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        Put(game.path / "override" / "xpbonus.2da", kOld);
        gametest::RecordingFiles files(game.path);
        files.failOn = c.remove ? "remove " : "replace ";
        files.failAt = 1;
        files.failCode = 64;
        files.failAfter = c.happened;
        game::WriteOptions options = FixedClock();
        options.files = &files;
        const game::Path backup = game.path / "xpbonus-backup" / "xpbonus-000001-20261207-150952.2da";
        try {
            game::WriteResult result =
                c.remove ? game::RemoveTable(game.path, options) : game::WriteTable(game.path, kNew, options);
            EXPECT_TRUE(c.happened && result.changed);
            ASSERT_TRUE(result.replaceWarning);
            EXPECT_EQ(result.replaceWarning->ErrorCode(), 64);
        } catch (const game::ReplaceUnsure& e) {
            EXPECT_FALSE(c.happened);
            EXPECT_EQ(e.ErrorCode(), 64);
            EXPECT_EQ(e.Backup(), backup);
        }
        EXPECT_EQ(Read(backup), kOld);
        EXPECT_EQ(Read(game.path / "override" / "xpbonus.2da"), c.table);
        EXPECT_EQ(Names(game.path / "override").size(), c.remove && c.happened ? 0u : 1u) << "a temporary file is left";
    }
}

// While one writer holds the game folder's lock another waits, then gives up having changed
// nothing; once the lock is let go the write goes through.
TEST(TableWriter, OneWriterAtATimePerGameFolder)
{
    GameFolder game;
    Put(game.path / "override" / "xpbonus.2da", kOld);
    game::WriteOptions options = FixedClock();
    options.lockWait = 50;
    {
        auto first = game::LockWriters(game::PlatformFiles(), game.path);
        EXPECT_THROW(game::WriteTable(game.path, kNew, options), game::WriterBusy);
        EXPECT_THROW(game::RemoveTable(game.path, options), game::WriterBusy);
        EXPECT_EQ(Names(game.path), WithLock({"override"}));
        EXPECT_EQ(Names(game.path / "override"), std::vector<std::string>{"xpbonus.2da"});
    }
    EXPECT_TRUE(game::WriteTable(game.path, kNew, options).changed);
}

TEST(TableWriter, ExclusiveCreateLeavesAnExistingFileAsItIs)
{
    GameFolder game;
    Put(game.path / "taken", kOld);
    EXPECT_EQ(fwtest::InOutCodeOf([&] { game::PlatformFiles().CreateNew(game.path / "taken"); }), game::kIoFileExists);
#ifndef _WIN32
    // The errno behind the code stays with it, for the command to word.
    try {
        game::PlatformFiles().CreateNew(game.path / "taken");
    } catch (const fw::EInOutError& e) {
        EXPECT_EQ(e.SystemError(), EEXIST);
    }
#endif
    EXPECT_EQ(Read(game.path / "taken"), kOld);
    auto file = game::PlatformFiles().CreateNew(game.path / "free");
    EXPECT_EQ(file->Write("new"), 3u);
    file->Close();
    EXPECT_EQ(Read(game.path / "free"), "new");
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
            EXPECT_EQ(Names(game.path), WithLock({"Override", "xpbonus-backup"}));
        }
    }
}

TEST(TableWriter, TheTableAndItsBackupKeepTheModeOfTheTableReplaced)
{
    struct Case {
        const char* name;
        int before;  // the table's mode, or -1 for none
        int after;
    } cases[] = {
        {"owner only", 0600, 0600},
        {"others may read", 0644, 0644},
        {"a first table: the umask's", -1, 0640},
    };
    mode_t umaskBefore = ::umask(027);
    auto modeOf = [](const game::Path& file) { return int(fs::status(file.native()).permissions() & fs::perms::mask); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        if (c.before >= 0) {
            Put(game.path / "override" / "xpbonus.2da", kOld);
            fs::permissions(game.path / "override" / "xpbonus.2da", static_cast<fs::perms>(c.before));
        }
        game::WriteResult result = game::WriteTable(game.path, kNew, FixedClock());
        EXPECT_EQ(modeOf(result.target), c.after);
        if (c.before >= 0) {
            EXPECT_EQ(modeOf(*result.backup), c.after);
        }
    }
    ::umask(umaskBefore);
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
        EXPECT_EQ(e.Spellings(), (std::vector<game::Path>{game.path / "OVERRIDE", game.path / "override"}));
        EXPECT_NE(std::string(e.what()).find(game::ToUtf8(game.path / "OVERRIDE")), std::string::npos);
    }
}
#endif

}  // namespace
