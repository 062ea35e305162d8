// A system's error in the words of that system's users, in both languages.
#include "cli/SystemErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using cli::Language;

TEST(SystemErrorText, TheSystemsOwnWordsInBothLanguages)
{
#ifdef _WIN32
    EXPECT_EQ(cli::SystemErrorText(32, Language::English), "I/O error 32.");
    EXPECT_EQ(cli::SystemErrorText(32, Language::Russian), "Ошибка ввода-вывода 32.");
#else
    EXPECT_EQ(cli::SystemErrorText(EACCES, Language::English), "Permission denied");
    EXPECT_EQ(cli::SystemErrorText(EACCES, Language::Russian), "Отказано в доступе");
    // Russian needs no generated locale for the errors a user meets; any other keeps its
    // number and the English words.
    for (int error : {EPERM, ENOENT, EIO, ENXIO, EBUSY, EEXIST, ENOTDIR, EISDIR, EINVAL, ENFILE, EMFILE, ETXTBSY,
                      EFBIG, ENOSPC, EROFS, ENAMETOOLONG, ENOTEMPTY, ELOOP, EDQUOT, EXDEV, ENOMEM})
        EXPECT_NE(cli::SystemErrorText(error, Language::Russian).rfind("ошибка ", 0), 0u) << error;
    EXPECT_EQ(cli::SystemErrorText(EDOM, Language::Russian),
              "ошибка " + std::to_string(EDOM) + " (" + cli::SystemErrorText(EDOM, Language::English) + ")");
#endif
}

// A file failure is worded by the system's error it kept; a code of the runtime's own (no
// system error behind it) keeps the window's words.
TEST(SystemErrorText, AFileFailureByTheErrorItKept)
{
    EXPECT_EQ(cli::FailureReason(fw::EInOutError(223), Language::English), "I/O error 223.");
    EXPECT_EQ(cli::FailureReason(fw::EInOutError(112, 28), Language::Russian), cli::SystemErrorText(28, Language::Russian));
}

}  // namespace
