#include "app/TemplateStore.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"
#include "framework/Stream.h"
#include "widgets/fill/LMDStringList.h"

using namespace fw::literals;

namespace {

struct StoredRow {
    const char* description;
    int ident;
    int flags;
    std::size_t valueBytes;
    std::size_t textBytes;
    int lines;
};

// The container's items as the main window's description holds them.
const StoredRow kRows[] = {
    {"bg2dtrp", 0, 0x0A, 262, 249, 41}, {"bg2plck", 1, 0x0E, 256, 239, 41}, {"bg2spl", 2, 0x0E, 88, 72, 10},
    {"bgtplck", 3, 0x0E, 191, 174, 41}, {"bgtdtrp", 4, 0x0E, 186, 169, 41}, {"bgtspl", 5, 0x0E, 70, 54, 10},
    {"p10dtrp", 6, 0x0E, 226, 209, 41}, {"p10plck", 7, 0x0E, 216, 199, 41}, {"p10spl", 8, 0x0E, 79, 63, 10},
    {"p50dtrp", 9, 0x0E, 256, 239, 41}, {"p50plck", 10, 0x0E, 231, 214, 41}, {"p50spl", 11, 0x0E, 87, 71, 10},
    {"prgdtrp", 12, 0x0E, 232, 215, 41}, {"prgplck", 13, 0x0E, 223, 206, 41}, {"prgspl", 14, 0x0E, 85, 69, 10},
    {"bgdtrp", 15, 0x0E, 145, 129, 41}, {"bgplck", 16, 0x0E, 150, 134, 41}, {"bgspl", 17, 0x0E, 60, 45, 10},
};

std::vector<std::string> Lines(std::string_view title, std::vector<int> values)
{
    std::vector<std::string> lines{std::string(title)};
    for (int v : values)
        lines.push_back(std::to_string(v));
    return lines;
}

std::vector<int> Steps(int a, int b, int c, int d)
{
    std::vector<int> v(5, a);
    v.insert(v.end(), 5, b);
    v.insert(v.end(), 5, c);
    v.insert(v.end(), 25, d);
    return v;
}

std::vector<std::vector<std::string>> ExpectedTemplates()
{
    const auto traps = "Ловушки"_cp1251;
    const auto locks = "Взлом замков"_cp1251;
    const auto scrolls = "Изучение свитков"_cp1251;
    return {
        Lines(traps, Steps(1000, 1750, 2750, 3250)),
        Lines(locks, Steps(250, 400, 950, 1550)),
        Lines(scrolls, {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000}),
        Lines(locks, Steps(10, 16, 38, 62)),
        Lines(traps, Steps(20, 35, 55, 65)),
        Lines(scrolls, {10, 20, 30, 40, 50, 60, 70, 80, 90}),
        Lines(traps, Steps(100, 175, 275, 325)),
        Lines(locks, Steps(25, 40, 95, 155)),
        Lines(scrolls, {100, 200, 300, 400, 500, 600, 700, 800, 900}),
        Lines(traps, Steps(500, 875, 1375, 1625)),
        Lines(locks, Steps(125, 200, 475, 775)),
        Lines(scrolls, {500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500}),
        Lines(traps, {10,  20,  30,  40,  50,  65,  80,  100,  120,  150,  175,  200,  230,  260,
                      300, 330, 360, 400, 450, 500, 550, 600,  650,  710,  770,  830,  900,  1000,
                      1075, 1150, 1250, 1350, 1460, 1570, 1700, 1850, 2000, 2250, 2500, 3250}),
        Lines(locks, {5,   10,  15,  20,  25,  30,  40,  50,  60,  75,  85,  100, 115,  130,
                      150, 165, 180, 200, 225, 250, 275, 300, 325, 350, 385, 415, 450,  500,
                      535, 575, 625, 675, 725, 785, 850, 925, 1000, 1125, 1250, 1550}),
        Lines(scrolls, {100, 250, 500, 1000, 1500, 2300, 3500, 5000, 9000}),
        Lines(traps, std::vector<int>(40, 0)),
        Lines(locks, std::vector<int>(40, 0)),
        Lines(scrolls, std::vector<int>(9, 0)),
    };
}

std::uint32_t Le32(const std::vector<unsigned char>& v, std::size_t at)
{
    return v[at] | v[at + 1] << 8 | v[at + 2] << 16 | static_cast<std::uint32_t>(v[at + 3]) << 24;
}

}  // namespace

TEST(TemplateStore, StoredValuesMatchTheItemTable)
{
    const auto& values = app::StoredTemplateValues();
    const auto& properties = app::StoredTemplateProperties();
    ASSERT_EQ(values.size(), std::size(kRows));
    ASSERT_EQ(properties.size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const StoredRow& row = kRows[i];
        const auto& v = values[i];
        SCOPED_TRACE(row.description);
        EXPECT_STREQ(properties[i].description, row.description);
        EXPECT_EQ(properties[i].ident, row.ident);
        ASSERT_EQ(v.size(), row.valueBytes);
        EXPECT_EQ(v[0], row.flags);

        std::size_t n = v[1];
        EXPECT_EQ(std::string(v.begin() + 2, v.begin() + 2 + n), row.description);
        std::size_t at = 2 + n;
        if (row.flags & 4) {
            EXPECT_EQ(Le32(v, at), static_cast<std::uint32_t>(row.ident));
            at += 4;
        }
        EXPECT_EQ(Le32(v, at), row.textBytes);
        at += 4;
        EXPECT_EQ(v.size() - at, row.textBytes);
        EXPECT_EQ(v[v.size() - 2], '\r');
        EXPECT_EQ(v[v.size() - 1], '\n');
    }
}

TEST(TemplateStore, LoadedContainerHoldsTheTemplates)
{
    TLMDStringList container;
    int changes = 0;
    container.SetOnChange([&](fw::Component*) { ++changes; });
    app::LoadTemplateContainer(container);

    EXPECT_EQ(changes, 0) << "adding items while loading notifies nobody";
    EXPECT_FALSE(container.IsLoading());
    EXPECT_FALSE(container.DefaultCompressed());
    const auto expected = ExpectedTemplates();
    ASSERT_EQ(container.Count(), 18);
    for (int i = 0; i < 18; ++i) {
        const StoredRow& row = kRows[i];
        SCOPED_TRACE(row.description);
        TLMDStringListItem* item = container.StringItem(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Owner(), &container);
        EXPECT_EQ(item->Description(), row.description);
        EXPECT_EQ(item->Ident(), row.ident);
        EXPECT_FALSE(item->Compressed());
        EXPECT_EQ(item->StreamFlags(), row.flags);
        EXPECT_EQ(item->Items().Count(), row.lines);
        EXPECT_EQ(item->Items().lines(), expected[static_cast<std::size_t>(i)]);

        // Written back, each item gives its stored value again.
        fw::MemoryStream out;
        item->WriteData(out);
        EXPECT_EQ(out.Bytes(), app::StoredTemplateValues()[static_cast<std::size_t>(i)]);
    }
}

TEST(TemplateStore, PositionsOutsideTheContainerAreListErrors)
{
    TLMDStringList container;
    app::LoadTemplateContainer(container);
    for (int index : {18, -1, 1000}) {
        SCOPED_TRACE(index);
        try {
            container.Item(index);
            FAIL() << "no error";
        } catch (const fw::EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}
