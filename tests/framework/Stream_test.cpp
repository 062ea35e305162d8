#include "framework/Stream.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/Exceptions.h"

using Bytes = std::vector<unsigned char>;

TEST(MemoryStream, ReadsWritesAndSeeks)
{
    fw::MemoryStream s;
    s.WriteUInt32(0x04030201);
    s.WriteUInt8(5);
    EXPECT_EQ(s.Bytes(), (Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(s.Position(), 5);

    EXPECT_EQ(s.Seek(-2, fw::SeekOrigin::End), 3);
    EXPECT_EQ(s.Remaining(), 2);
    EXPECT_EQ(s.Seek(-1, fw::SeekOrigin::Current), 2);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadUInt32(), 0x04030201u);
    EXPECT_EQ(s.ReadUInt8(), 5);
    unsigned char b = 0;
    EXPECT_EQ(s.Read(&b, 1), 0u);

    // Writing past the end fills the gap with zeros; reading past it yields nothing.
    s.SetPosition(7);
    EXPECT_EQ(s.Remaining(), 0);
    s.WriteUInt8(9);
    EXPECT_EQ(s.Bytes(), (Bytes{1, 2, 3, 4, 5, 0, 0, 9}));
    s.SetPosition(20);
    EXPECT_EQ(s.Read(&b, 1), 0u);
    EXPECT_THROW(s.Seek(-1, fw::SeekOrigin::Beginning), fw::Exception);
}

TEST(MemoryStream, ShortReadsAreReadErrors)
{
    struct Case {
        const char* name;
        Bytes data;
        std::size_t want;
    };
    const Case cases[] = {{"empty", {}, 1}, {"one short", {1, 2, 3}, 4}, {"far short", {1}, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::MemoryStream s(c.data);
        std::vector<unsigned char> buffer(c.want);
        try {
            s.ReadBuffer(buffer.data(), c.want);
            ADD_FAILURE() << "no error";
        } catch (const fw::EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error");
        }
    }
    fw::MemoryStream s(Bytes{1, 2, 3});
    EXPECT_THROW(s.ReadUInt32(), fw::EReadError);
    fw::MemoryStream none;
    EXPECT_NO_THROW(none.ReadBuffer(nullptr, 0));
}
