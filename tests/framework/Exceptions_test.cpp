#include "framework/Exceptions.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(Exceptions, InOutErrorTextByCode)
{
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {2, "File not found"},      {3, "Invalid filename"},      {4, "Too many open files"},
        {5, "File access denied"},  {100, "Read beyond end of file"}, {101, "Disk full"},
        {106, "Invalid numeric input"}, {32, "I/O error 32"},      {112, "I/O error 112"},
        {0, "I/O error 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EInOutError e(c.code);
        EXPECT_EQ(e.Message(), c.text);
        EXPECT_EQ(e.ErrorCode(), c.code);
    }
}

TEST(Exceptions, FailureBoxAddsAStopOnlyAfterCharactersSortingAfterIt)
{
    struct Case {
        std::string message;
        std::string shown;
    } cases[] = {
        {"Disk full", "Disk full."},
        {"I/O error 32", "I/O error 32."},  // '2' sorts after '.'
        {"Done.", "Done."},
        {"Really?", "Really?."},
        {"Ends with a comma,", "Ends with a comma,"},  // ',' sorts before '.'
        {"Ends with a dash-", "Ends with a dash-"},
        {"", ""},
        {"\xce\xf8\xe8\xe1\xea\xe0", "\xce\xf8\xe8\xe1\xea\xe0."},  // Cyrillic, bytes above 0x7F
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(FailureBoxText(c.message), c.shown);
    }
}

TEST(Exceptions, ListAndAssignMessages)
{
    EXPECT_EQ(EListError::IndexOutOfBounds(-1).Message(), "List index out of bounds (-1)");
    EXPECT_EQ(EConvertError::CannotAssign("TFont", "TLMDStringList").Message(),
              "Cannot assign a TFont to a TLMDStringList");
    EXPECT_EQ(EReadError().Message(), "Stream read error");
}

}  // namespace
}  // namespace fw
