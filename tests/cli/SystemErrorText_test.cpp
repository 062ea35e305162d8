// A system's error in the words of that system's users, in both languages.
#include "cli/SystemErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using cli::Language;

TEST(SystemErrorText, TheSystemsOwnWordsInBothLanguages)
{
    const struct {
        int error;
        const char* english;
        const char* russian;
    } cases[] = {
#ifdef _WIN32
        {32, "I/O error 32.", "Ошибка ввода-вывода 32."},
        {5, "File access denied.", "Доступ к файлу запрещён."},
#else
        {ENOSPC, "No space left on device", "На устройстве не осталось свободного места"},
        {EACCES, "Permission denied", "Отказано в доступе"},
        {EROFS, "Read-only file system", "Файловая система доступна только для чтения"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli::SystemErrorText(c.error, Language::English), c.english);
        EXPECT_EQ(cli::SystemErrorText(c.error, Language::Russian), c.russian);
    }
}

#ifndef _WIN32
// Russian never depends on a generated locale: every error a user meets has its words, and
// any other keeps its number and the English words.
TEST(SystemErrorText, RussianForTheErrorsUsersMeetAndANumberOtherwise)
{
    for (int error : {EPERM, ENOENT, EIO, ENXIO, EACCES, EBUSY, EEXIST, ENOTDIR, EISDIR, EINVAL, ENFILE, EMFILE,
                      ETXTBSY, EFBIG, ENOSPC, EROFS, ENAMETOOLONG, ENOTEMPTY, ELOOP, EDQUOT, EXDEV, ENOMEM})
        EXPECT_NE(cli::SystemErrorText(error, Language::Russian).rfind("ошибка ", 0), 0u) << error;
    EXPECT_EQ(cli::SystemErrorText(EDOM, Language::Russian), "ошибка " + std::to_string(EDOM) + " (" +
                                                                 cli::SystemErrorText(EDOM, Language::English) + ")");
}
#endif

// A file failure is worded by the system's error it kept; a code of the runtime's own (no
// system error behind it) keeps the window's words.
TEST(SystemErrorText, AFileFailureByTheErrorItKept)
{
    EXPECT_EQ(cli::FailureReason(fw::EInOutError(223), Language::English), "I/O error 223.");
    EXPECT_EQ(cli::FailureReason(fw::EInOutError(112, 28), Language::Russian), cli::SystemErrorText(28, Language::Russian));
}

}  // namespace
