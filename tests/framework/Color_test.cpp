#include <gtest/gtest.h>

#include <cstdint>

#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/Exceptions.h"

namespace {

std::uint32_t FakeSystemColor(int index) { return 0xAB000000u | static_cast<std::uint32_t>(index * 0x010101); }

TEST(Color, ValuesFollowTheFrameworkLayout)
{
    struct Case {
        const char* name;
        fw::Color value;
        std::uint32_t expected;
    } cases[] = {
        {"clBlue", fw::clBlue, 16711680},      {"clNavy", fw::clNavy, 8388608},
        {"clGray", fw::clGray, 8421504},       {"clNone", fw::clNone, 0x1FFFFFFF},
        {"clBtnFace", fw::clBtnFace, 0xFF00000F}, {"clWindow", fw::clWindow, 0xFF000005},
        {"clWindowText", fw::clWindowText, 0xFF000008}, {"clHighlight", fw::clHighlight, 0xFF00000D},
        {"clHighlightText", fw::clHighlightText, 0xFF00000E},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value, c.expected);
    }
    EXPECT_EQ(fw::RedOf(4227072), 0);
    EXPECT_EQ(fw::GreenOf(4227072), 128);
    EXPECT_EQ(fw::BlueOf(4227072), 64);
    EXPECT_EQ(fw::RgbColor(225, 247, 255), 16775137u);
    EXPECT_TRUE(fw::IsSystemColor(fw::clBtnFace));
    EXPECT_FALSE(fw::IsSystemColor(fw::clNone));
    EXPECT_EQ(fw::SystemColorIndex(fw::clHighlight), 13);
}

TEST(Color, ResolvingUsesTheSystemTableOnlyForSystemColours)
{
    struct Case {
        const char* name;
        fw::Color in;
        fw::Color out;
    } cases[] = {
        {"plain colour", 14811134, 14811134},
        {"system colour through the table", fw::clBtnFace, 0x0F0F0F},
        {"clNone paints as black", fw::clNone, 0},
        {"stray high bits are dropped", 0x05123456, 0x123456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::ResolveColor(c.in, FakeSystemColor), c.out);
    }
    EXPECT_EQ(fw::ResolveColor(fw::clWindow, nullptr), 0u);
    // DIB pixels carry red high.
    EXPECT_EQ(fw::ToPixel(fw::RgbColor(1, 2, 3)), 0x010203u);
    EXPECT_EQ(fw::FromPixel(0x010203u), fw::RgbColor(1, 2, 3));
}

// A 2x2 24-bit bottom-up .bmp: bottom row red, white; top row blue, green.
std::vector<std::uint8_t> TinyBmp()
{
    return {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
            40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
            16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            0, 0, 255, 255, 255, 255, 0, 0,   // bottom row: red, white, padding
            255, 0, 0, 0, 255, 0, 0, 0};      // top row: blue, green, padding
}

TEST(Bitmap, ReadsBmpImagesAndRefusesBrokenOnes)
{
    auto bmp = TinyBmp();
    fw::Bitmap pic = fw::Bitmap::FromBmp(bmp.data(), bmp.size());
    ASSERT_EQ(pic.Width(), 2);
    ASSERT_EQ(pic.Height(), 2);
    EXPECT_EQ(pic.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(pic.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(pic.Pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(pic.TransparentPixel(), 0xFF0000u);
    struct Broken {
        const char* what;
        size_t offset;
        std::uint8_t value;
        size_t truncate;
    } broken[] = {
        {"not a bitmap", 0, 'X', 0},
        {"pixel data cut short", 0, 'B', 60},
        {"compressed", 30, 1, 0},
        {"odd depth", 28, 7, 0},
        {"huge width", 21, 0x7F, 0},
    };
    for (const Broken& b : broken) {
        SCOPED_TRACE(b.what);
        auto data = TinyBmp();
        data[b.offset] = b.value;
        if (b.truncate)
            data.resize(b.truncate);
        EXPECT_THROW(fw::Bitmap::FromBmp(data.data(), data.size()), fw::EReadError);
    }
}

// A 16x1 8-bit bottom-up .bmp with a full palette of 256 greys: big enough that a wrapped
// size sum lands inside it.
std::vector<std::uint8_t> PalettedBmp()
{
    std::vector<std::uint8_t> data(14 + 40 + 1024 + 16, 0);
    auto put = [&data](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    data[0] = 'B';
    data[1] = 'M';
    put(2, static_cast<std::uint32_t>(data.size()));
    put(10, 14 + 40 + 1024);  // pixel data
    put(14, 40);              // header size
    put(18, 16);              // width
    put(22, 1);               // height
    data[26] = 1;             // planes
    data[28] = 8;             // bits per pixel
    for (int i = 0; i < 256; ++i)
        for (int c = 0; c < 3; ++c)
            data[54 + 4 * i + c] = static_cast<std::uint8_t>(i);
    for (int x = 0; x < 16; ++x)
        data[1078 + x] = static_cast<std::uint8_t>(x * 16);
    return data;
}

// Sizes near the top of the 32-bit range: a check written as a sum would wrap on the
// 32-bit program and let the reader look outside the buffer.
TEST(Bitmap, SizeChecksCannotWrap)
{
    auto good = PalettedBmp();
    fw::Bitmap pic = fw::Bitmap::FromBmp(good.data(), good.size());
    EXPECT_EQ(pic.Pixel(15, 0), 0xF0F0F0u);
    struct Case {
        const char* what;
        size_t offset;
        std::uint32_t value;
    } cases[] = {
        {"header size 0xFFFFFF00", 14, 0xFFFFFF00u},
        {"header size 0xFFFFFFFF", 14, 0xFFFFFFFFu},
        {"pixel data offset 0xFFFFFF00", 10, 0xFFFFFF00u},
        {"pixel data offset 0xFFFFFFFF", 10, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto data = PalettedBmp();
        for (int i = 0; i < 4; ++i)
            data[c.offset + i] = static_cast<std::uint8_t>(c.value >> (8 * i));
        EXPECT_THROW(fw::Bitmap::FromBmp(data.data(), data.size()), fw::EReadError);
    }
}

TEST(Bitmap, SectionsDisabledPicturesAndClippedComposition)
{
    // A strip of two 2x2 glyphs.
    fw::Bitmap strip(4, 2, std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7, 8});
    fw::Bitmap second = strip.Section(2, 0, 2, 2);
    EXPECT_EQ(second.Pixels(), (std::vector<std::uint32_t>{3, 4, 7, 8}));
    EXPECT_THROW(fw::Bitmap(2, 2, std::vector<std::uint32_t>{1}), fw::Exception);

    const std::uint32_t white = 0xFFFFFF, black = 0x000000, light = 0xEEEEEE;
    fw::Bitmap glyph(3, 3, std::vector<std::uint32_t>{black, white, white, white, light, white, white, white, white});
    fw::Bitmap grey = glyph.Disabled(white, 0x808080, 0xF0F0F0);
    EXPECT_EQ(grey.Pixel(0, 0), 0x808080u) << "dark pixels become the shadow";
    EXPECT_EQ(grey.Pixel(1, 1), 0xF0F0F0u) << "with the highlight one pixel down and right";
    EXPECT_EQ(grey.Pixel(2, 2), white);

    std::vector<std::uint32_t> target(4 * 3, 9);
    fw::Bitmap dot(2, 2, std::vector<std::uint32_t>{white, 5, 6, 7});
    fw::BlendPicture(target.data(), 4, 3, 3, 2, dot, true, white);  // only (3,2) is inside
    EXPECT_EQ(target[2 * 4 + 3], 9u) << "the see-through pixel keeps the target";
    fw::BlendPicture(target.data(), 4, 3, -1, -1, dot, true, white);
    EXPECT_EQ(target[0], 7u) << "clipped at the top-left corner";
    fw::BlendPicture(target.data(), 4, 3, 1, 1, dot, false, white);
    EXPECT_EQ(target[1 * 4 + 1], white);
}

}  // namespace
