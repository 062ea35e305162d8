// The reader's errors as the command words them, from the values alone.
#include "cli/ReadErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "game/TableReading.h"
#include "tests/game/TempFolder.h"

namespace {

using cli::Language;
using game::ReadError;
using game::ReadPart;
using game::ReadProblem;

#ifdef _WIN32
constexpr int kNoSuchFile = 2;  // ERROR_FILE_NOT_FOUND
constexpr const char* kNoSuchFileEnglish = "File not found.";
constexpr const char* kNoSuchFileRussian = "Файл не найден.";
#else
constexpr int kNoSuchFile = ENOENT;
constexpr const char* kNoSuchFileEnglish = "No such file or directory";
constexpr const char* kNoSuchFileRussian = "Нет такого файла или каталога";
#endif

TEST(ReadErrorText, EachProblemInBothLanguages)
{
    const struct {
        ReadError error;
        std::string english;
        std::string russian;
    } cases[] = {
        {ReadError(ReadProblem::NotAGameFolder, "игра", std::nullopt),
         "игра: not a game folder: it has neither chitin.key nor override/xpbonus.2da",
         "игра: не каталог игры: в нём нет ни chitin.key, ни override/xpbonus.2da"},
        {ReadError(ReadProblem::KeyTruncated, "chitin.key", 0),
         "chitin.key at offset 0: truncated header: a KEY file starts with 24 bytes",
         "chitin.key, смещение 0: заголовок обрезан: файл KEY начинается с заголовка в 24 байта"},
        {ReadError(ReadProblem::ArchiveNotFound, "chitin.key", 47, {.name = "data\\x.bif", .tried = {"g", "g/data"}}),
         "chitin.key at offset 47: the archive \"data\\x.bif\" is in none of the folders tried: g, g/data",
         "chitin.key, смещение 47: архива «data\\x.bif» нет ни в одном из просмотренных каталогов: g, g/data"},
        {ReadError(ReadProblem::TableTooLarge, "xpbonus.2da", std::nullopt),
         "xpbonus.2da: too large: a table over 1 MiB is not read",
         "xpbonus.2da: слишком большой: таблица больше 1 МиБ не читается"},
        {ReadError(ReadProblem::PastEnd, "k", 0, {.part = ReadPart::KeyHeader, .size = 22}),
         "k at offset 0: the KEY header lies past the end of the file (22 bytes)",
         "k, смещение 0: файл (22 байта) кончается раньше заголовка KEY"},
        {ReadError(ReadProblem::PastEnd, "k", 0, {.part = ReadPart::Table, .size = 12}),
         "k at offset 0: the table lies past the end of the file (12 bytes)",
         "k, смещение 0: файл (12 байт) кончается раньше таблицы"},
        {ReadError(ReadProblem::NameIsDevice, "k", 3, {.name = "data\\con.bif", .detail = "con.bif"}),
         "k at offset 3: the archive name \"data\\con.bif\" is refused: \"con.bif\" is a device name",
         "k, смещение 3: имя архива «data\\con.bif» отклонено: «con.bif» — имя устройства"},
        {ReadError::OfFile(ReadProblem::CannotOpen, "f", std::nullopt, kNoSuchFile),
         std::string("f: cannot open the file: ") + kNoSuchFileEnglish,
         std::string("f: не удаётся открыть файл: ") + kNoSuchFileRussian},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli::ReadErrorText(c.error, Language::English), c.english);
        EXPECT_EQ(cli::ReadErrorText(c.error, Language::Russian), c.russian);
    }
}

// The command's English is the reader's own sentence, but for the platform's error, which on
// Windows it words in the window's terms; every problem has its Russian, with every value filled in.
TEST(ReadErrorText, EveryProblemWordedFromItsValues)
{
    const game::ReadValues values{ReadPart::EntryTable, 3, 7, 22, 40, "x.bif", "CON", {"g"}, kNoSuchFile};
    for (std::size_t i = 0; i < game::kReadProblemCount; ++i) {
        const auto problem = static_cast<ReadProblem>(i);
        SCOPED_TRACE(i);
        const ReadError error(problem, "f", 5, values);
        const std::string english = cli::ReadErrorText(error, Language::English);
        const std::string russian = cli::ReadErrorText(error, Language::Russian);
        if (problem != ReadProblem::CannotOpen && problem != ReadProblem::CannotRead) {
            EXPECT_EQ(english, error.what());
        }
        EXPECT_EQ(english.find('{'), std::string::npos) << english;
        EXPECT_EQ(russian.find('{'), std::string::npos) << russian;
        EXPECT_EQ(russian.rfind("f, смещение 5: ", 0), 0u) << russian;
        EXPECT_NE(russian, english);
    }
}

// The platform's layer gives its error as a number, which the command words alike on both.
TEST(ReadErrorText, AFileThatIsNotThereThroughThePlatformsLayer)
{
    gametest::TempFolder folder;
    const game::Path missing = game::Path(folder.Path()) / "missing.2da";
    try {
        game::ReadTableFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.Problem(), ReadProblem::CannotOpen);
        const std::string place = game::ToUtf8(missing);
        EXPECT_EQ(cli::ReadErrorText(e, Language::English), place + ": cannot open the file: " + kNoSuchFileEnglish);
        EXPECT_EQ(cli::ReadErrorText(e, Language::Russian), place + ": не удаётся открыть файл: " + kNoSuchFileRussian);
    }
}

}  // namespace
