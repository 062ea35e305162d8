// The link label's text rules: the scheme an address is opened with, the encoded hint.
#include <gtest/gtest.h>

#include <string>

#include "widgets/shell/ElHintText.h"
#include "widgets/shell/ElUrlScheme.h"

namespace {

TEST(LinkText, SchemeRules)
{
    const struct {
        const char *text, *opened;
    } cases[] = {
        {"www.example.org", "http://www.example.org"},
        {"WWW.example.org", "WWW.example.org"},
        {"ftp.example.org", "ftp://ftp.example.org"},
        {"FTP.example.org", "FTP.example.org"},
        {"user@example.org", "mailto:user@example.org"},
        {"@example.org", "@example.org"},
        {"www@example.org", "http://www@example.org"},
        {"www.example.org:8080", "www.example.org:8080"},
        {"user@example.org:", "user@example.org:"},
        {"example.org", "example.org"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WithUrlScheme(c.text), c.opened);
    }
}

TEST(LinkText, HintEncoding)
{
    const struct {
        const char* what;
        std::string narrow;
        std::u16string wide;
        std::string bytes;
    } cases[] = {
        {"empty", "", u"", std::string("\0\0\0\xFE\xFF", 5)},
        {"latin", "Hi", u"Hi", std::string("Hi\0H\0i\0\0\0\xFE\xFF", 11)},
        {"cyrillic", "\xC6", u"\u0416", std::string("\xC6\0\x16\x04\0\0\xFE\xFF", 8)},
        {"surrogate pair", "??", u"\U0001F600", std::string("??\0\x3D\xD8\x00\xDE\0\0\xFE\xFF", 11)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string encoded = EncodeHint(c.narrow, c.wide);
        EXPECT_EQ(encoded.size(), c.narrow.size() + 2 * c.wide.size() + 5);
        EXPECT_EQ(encoded, c.bytes);
        EXPECT_EQ(std::string(encoded.c_str()), c.narrow) << "a plain hint window's text";
    }
}

}  // namespace
