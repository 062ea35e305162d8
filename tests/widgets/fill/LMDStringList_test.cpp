#include "widgets/fill/LMDStringList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Stream.h"
#include "widgets/fill/LMDLzrw.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Lines = std::vector<std::string>;

Bytes B(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Le32(std::uint32_t v)
{
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v >> 16),
            static_cast<unsigned char>(v >> 24)};
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Written(TLMDListItem& item)
{
    fw::MemoryStream s;
    item.WriteData(s);
    return s.Bytes();
}

void Read(TLMDListItem& item, const Bytes& value)
{
    fw::MemoryStream s(value);
    item.ReadData(s);
}

// A value holding only the given text, uncompressed.
Bytes TextValue(const std::string& text)
{
    return Cat({{TLMDListItem::kFlagData}, Le32(static_cast<std::uint32_t>(text.size())), B(text)});
}

Bytes CompressedValue(const std::string& text)
{
    fw::MemoryStream s;
    s.WriteUInt8(TLMDListItem::kFlagData | TLMDListItem::kFlagCompressed);
    lzrw::WriteChunked(s, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    return s.Bytes();
}

}  // namespace

TEST(StringListItemValue, WritesTheDocumentedBytesAndReadsThemBack)
{
    struct Case {
        const char* name;
        std::string description;
        std::uint16_t ident;
        Lines lines;
        Bytes value;
    };
    const Case cases[] = {
        {"nothing", "", 0, {}, {0x00}},
        {"name, Ident 0, lines", "ab", 0, {"x", "yz"},
         Cat({{0x0A, 2, 'a', 'b'}, Le32(7), B("x\r\nyz\r\n")})},
        {"name, Ident, lines", "ab", 7, {"x"}, Cat({{0x0E, 2, 'a', 'b'}, Le32(7), Le32(3), B("x\r\n")})},
        {"one empty line", "", 0, {""}, Cat({{0x08}, Le32(2), B("\r\n")})},
        {"Ident 65535 only", "", 65535, {}, {0x04, 0xFF, 0xFF, 0x00, 0x00}},
        {"empty lines kept", "", 0, {"", "a", ""}, Cat({{0x08}, Le32(7), B("\r\na\r\n\r\n")})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLMDStringListItem item;
        item.SetDescription(c.description);
        item.SetIdent(c.ident);
        item.Items().Assign(c.lines);
        EXPECT_EQ(item.StreamFlags(), c.value[0]);
        EXPECT_EQ(Written(item), c.value);

        TLMDStringListItem back;
        back.SetDescription("old");
        back.SetIdent(3);
        back.Items().Add("old");
        Read(back, c.value);
        EXPECT_EQ(back.Description(), c.description);
        EXPECT_EQ(back.Ident(), c.ident);
        EXPECT_EQ(back.Items().lines(), c.lines);
        EXPECT_FALSE(back.Compressed());
    }
}

TEST(StringListItemValue, LongDescriptionIsStoredCutTo255Bytes)
{
    TLMDStringListItem item;
    item.SetDescription(std::string(300, 'd'));
    Bytes v = Written(item);
    ASSERT_EQ(v.size(), 2u + 255u);
    EXPECT_EQ(v[0], 0x02);
    EXPECT_EQ(v[1], 255);
    TLMDStringListItem back;
    Read(back, v);
    EXPECT_EQ(back.Description(), std::string(255, 'd'));
}

TEST(StringListItemValue, OnlyTheLow16BitsOfTheIdentCount)
{
    TLMDStringListItem item;
    Read(item, Cat({{0x04}, Le32(0x12345678)}));
    EXPECT_EQ(item.Ident(), 0x5678);
}

TEST(StringListItemValue, TextSplitsIntoLines)
{
    struct Case {
        const char* name;
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"final CR LF adds nothing", "a\r\n", {"a"}},
        {"CR LF alone is one empty line", "\r\n", {""}},
        {"empty line before the end", "a\r\n\r\n", {"a", ""}},
        {"no final break", "a\r\nb", {"a", "b"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"CR CR is an empty line", "a\r\rb", {"a", "", "b"}},
        {"LF CR is an empty line", "a\n\rb", {"a", "", "b"}},
        {"LF CR LF", "a\n\r\n", {"a", ""}},
        {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"NUL after a break", std::string("x\r\n\0y", 5), {"x"}},
        {"NUL first", std::string("\0abc", 4), {}},
        {"zero length", "", {}},
        {"single-byte text kept as is", "\xCB\xEE\r\n\xFF", {"\xCB\xEE", "\xFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLMDStringListItem item;
        item.Items().Add("old");
        Read(item, TextValue(c.text));
        EXPECT_EQ(item.Items().lines(), c.lines);
        Read(item, CompressedValue(c.text));
        EXPECT_EQ(item.Items().lines(), c.lines) << "compressed";
    }
}

TEST(StringListItemValue, ReadingStopsAfterTheValue)
{
    Bytes v = Cat({TextValue("a\r\n"), B("trailing")});
    fw::MemoryStream s(v);
    TLMDStringListItem item;
    item.ReadData(s);
    EXPECT_EQ(item.Items().lines(), Lines{"a"});
    EXPECT_EQ(s.Position(), static_cast<std::int64_t>(v.size() - 8));
}

TEST(StringListItemValue, CompressedItemsRoundTripInSeveralChunks)
{
    std::string text;
    Lines lines;
    for (int i = 0; i < 9000; ++i) {
        lines.push_back("level " + std::to_string(i % 40 + 1) + " " + std::to_string(i * 7 % 1000));
        text += lines.back() + "\r\n";
    }
    ASSERT_GT(text.size(), 2 * lzrw::kMaxBlockInput);
    Bytes stored = CompressedValue(text);
    ASSERT_LT(stored.size(), text.size() / 2);

    TLMDStringListItem item;
    Read(item, stored);
    EXPECT_TRUE(item.Compressed());
    EXPECT_EQ(item.StreamFlags(), 0x09);
    EXPECT_EQ(item.Items().lines(), lines);
    EXPECT_EQ(Written(item), stored);

    // Copying carries Compressed along.
    TLMDStringListItem copy;
    copy.Assign(item);
    EXPECT_EQ(Written(copy), stored);
}

TEST(StringListItemValue, CompressedFlagWithoutTextGivesNoLines)
{
    TLMDStringListItem item;
    item.Items().Add("old");
    Read(item, {0x01});
    EXPECT_TRUE(item.Compressed());
    EXPECT_TRUE(item.IsEmpty());
    EXPECT_EQ(Written(item), Bytes{0x01});
}

TEST(StringListItemValue, BadValuesAreReadErrorsAndChangeNothing)
{
    const Bytes good = Cat({{0x0E, 2, 'a', 'b'}, Le32(7), Le32(3), B("x\r\n")});
    std::vector<std::pair<std::string, Bytes>> cases;
    for (std::size_t n = 0; n < good.size(); ++n)
        cases.push_back({"cut after " + std::to_string(n) + " bytes", Bytes(good.begin(), good.begin() + n)});

    const Bytes stored{0x80, 'a', 'b'};
    const Bytes copyBefore{0x40, 0x80, 0x00, 0x00, 0x13};
    cases.push_back({"text length beyond the value", Cat({{0x08}, Le32(4), B("abc")})});
    cases.push_back({"text length 4 GiB", Cat({{0x08}, Le32(0xFFFFFFFF), B("abc")})});
    cases.push_back({"chunk beyond the value", Cat({{0x09}, Le32(7), Le32(4), stored})});
    cases.push_back({"total beyond the chunks", Cat({{0x09}, Le32(14), Le32(3), stored})});
    cases.push_back({"payload cut in its total", {0x09, 0x07, 0x00}});
    cases.push_back({"empty chunk", Cat({{0x09}, Le32(4), Le32(0)})});
    cases.push_back({"corrupt block", Cat({{0x09}, Le32(9), Le32(5), copyBefore})});
    // The second block may not copy from the first block's output.
    cases.push_back({"copy into the previous block",
                     Cat({{0x09}, Le32(16), Le32(3), stored, Le32(5), copyBefore})});

    for (const auto& [name, value] : cases) {
        SCOPED_TRACE(name);
        TLMDStringListItem item;
        item.SetDescription("keep");
        item.SetIdent(9);
        item.Items().Add("old");
        fw::MemoryStream s(value);
        try {
            item.ReadData(s);
            ADD_FAILURE() << "no error";
        } catch (const fw::EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error");
        }
        EXPECT_EQ(item.Description(), "keep");
        EXPECT_EQ(item.Ident(), 9);
        EXPECT_FALSE(item.Compressed());
        EXPECT_EQ(item.Items().lines(), Lines{"old"});
    }
}

TEST(StringListItemValue, BaseItemStoresNothingOfItsOwn)
{
    TLMDListItem item;
    item.SetDescription("n");
    item.SetIdent(2);
    EXPECT_EQ(item.StreamFlags(), 0x06);
    EXPECT_FALSE(item.IsEmpty());
    EXPECT_TRUE(Written(item).empty());
}
