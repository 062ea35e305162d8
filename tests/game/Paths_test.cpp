#include "game/Paths.h"
#include "game/Spellings.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(Paths, NamesCompareIgnoringAsciiCaseOnly)
{
    EXPECT_TRUE(game::SameNameIgnoringCase("xpbonus.2da", "XPBonus.2DA"));
    EXPECT_FALSE(game::SameNameIgnoringCase("xpbonus.2da", "xpbonus.2d"));
    EXPECT_FALSE(game::SameNameIgnoringCase("\xD0\xB0", "\xD0\x90"));  // Cyrillic а / А stay apart
}

TEST(Paths, FindSpellingsListsEveryCaseVariantSorted)
{
    fs::path folder = fs::temp_directory_path() / ("xp-spellings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder);
    fs::create_directories(folder / "Override");
    fs::create_directories(folder / "override");
    std::ofstream(folder / "OVERRIDE.txt") << "x";
    auto found = game::FindSpellings(game::PlatformFiles(), folder, "override");
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(game::SameNameIgnoringCase(game::ToUtf8(found.front().filename()), "override"));
    // A case-insensitive file system keeps one of the two folders.
    EXPECT_LE(found.size(), 2u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_TRUE(game::FindSpellings(game::PlatformFiles(), folder / "missing", "override").empty());
    fs::remove_all(folder);
}

TEST(Paths, Utf8RoundTrip)
{
    std::string text = "\xD0\x98\xD0\xB3\xD1\x80\xD0\xB0/data";  // "Игра/data"
    EXPECT_EQ(game::ToUtf8(game::FromUtf8(text)), text);
}

}  // namespace
