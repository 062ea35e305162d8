// The command's output built from hand-made readings, and its small rules.
#include <gtest/gtest.h>

#include "cli/JsonText.h"
#include "cli/Language.h"
#include "cli/LevelRuns.h"
#include "cli/Printable.h"
#include "cli/ShowOutput.h"
#include "cli/TemplatesOutput.h"

namespace {

using cli::Language;

TEST(LevelRuns, EqualNeighboursShareOneEntry)
{
    const struct {
        std::vector<std::int32_t> values;
        const char* text;
    } cases[] = {
        {{250, 250, 400, 400, 400}, "1-2: 250, 3-5: 400"},
        {{7}, "1: 7"},
        {{1, 2, 1}, "1: 1, 2: 2, 3: 1"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::LevelRuns(c.values), c.text);
}

TEST(Language, FirstSetLocaleVariableDecides)
{
    const struct {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, "ru_RU.UTF-8", Language::Russian},
        {"", "ru", "en_US.UTF-8", Language::Russian},      // empty counts as unset
        {"C", "ru_RU.UTF-8", "ru_RU.UTF-8", Language::English},
        {nullptr, nullptr, "run_XX", Language::English},    // not the "ru" language
        {nullptr, nullptr, "ru@latin", Language::Russian},
        {nullptr, nullptr, nullptr, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.expected) << (c.lang ? c.lang : "-");
    EXPECT_EQ(cli::LanguageOfWindowsId(0x0419), Language::Russian);
    EXPECT_EQ(cli::LanguageOfWindowsId(0x0819), Language::Russian);  // Russian (Moldova)
    EXPECT_EQ(cli::LanguageOfWindowsId(0x0409), Language::English);
    EXPECT_EQ(cli::LanguageOfWindowsId(0x0422), Language::English);  // Ukrainian
}

game::TableReading SampleReading(game::SourceKind kind)
{
    game::TableReading reading;
    reading.source = {kind, game::FromUtf8("/g/chitin.key"), game::FromUtf8("/g/data/Default.bif"), game::Compression::Bifc};
    reading.cap = 40;
    reading.defaultText = "0";
    const game::Activity order[] = {game::Activity::Locks, game::Activity::Traps, game::Activity::Scrolls};
    for (int row = 0; row < 3; ++row) {
        auto& a = reading.activities[static_cast<size_t>(row)];
        a.activity = order[row];
        a.row = row;
        a.label = row == 2 ? std::nullopt : std::optional<std::string>("ROW" + std::to_string(row));
        a.levels.fill(100 * (row + 1));
        a.templateChoice = row == 0 ? std::optional<int>(1) : std::nullopt;
    }
    reading.findings.push_back({"missing", 2, std::nullopt, std::nullopt, "Row 2 is missing."});
    reading.findings.push_back({"leading-zero", 0, 4, 7, "Octal."});
    return reading;
}

TEST(ShowJson, OneObjectWithNullsForWhatIsNotThere)
{
    auto json = cli::ShowJson(SampleReading(game::SourceKind::Archive));
    EXPECT_EQ(json["source"]["kind"], "archive");
    EXPECT_EQ(json["source"]["archive"], "/g/data/Default.bif");
    EXPECT_EQ(json["source"]["compression"], "bifc");
    EXPECT_EQ(json["cap"], 40);
    EXPECT_EQ(json["default"], nlohmann::ordered_json({{"text", "0"}, {"value", 0}}));
    const auto& activities = json["activities"];
    ASSERT_EQ(activities.size(), 3u);
    EXPECT_EQ(activities[0]["activity"], "locks");
    EXPECT_EQ(activities[1]["activity"], "traps");
    EXPECT_EQ(activities[0]["template"], 1);
    EXPECT_TRUE(activities[1]["template"].is_null());
    EXPECT_TRUE(activities[2]["label"].is_null());
    EXPECT_EQ(activities[2]["levels"].size(), 40u);
    EXPECT_EQ(json["findings"][0], nlohmann::ordered_json({{"code", "missing"}, {"row", 2}, {"line", nullptr},
                                                           {"level", nullptr}, {"message", "Row 2 is missing."}}));
    EXPECT_FALSE(cli::ShowJson(SampleReading(game::SourceKind::Override))["source"].contains("archive"));
}

TEST(ShowText, SourceLevelsTemplateAndFindingsInTheUsersLanguage)
{
    const struct {
        game::SourceKind kind;
        Language language;
        std::vector<std::string> parts;
    } cases[] = {
        {game::SourceKind::Archive, Language::English,
         {"Source: archive /g/data/Default.bif (compressed BIFC), listed in /g/chitin.key\n", "Level cap: 40\n",
          "Locks (row 0, label ROW0), template: Таблица опыта, используемая в оригинальном Baldur's Gate 2\n  1-40: 100\n",
          "Traps (row 1, label ROW1), template: custom\n", "Scrolls (row 2, label: missing)",
          "Findings:\n  row 2: [missing] Row 2 is missing.\n  line 4, row 0, level 7: [leading-zero] Octal.\n"}},
        {game::SourceKind::Override, Language::Russian,
         {"Источник: файл в override /g/chitin.key\n", "Взлом замков (ряд 0, метка ROW0)", "шаблон: пользовательская",
          "Изучение свитков (ряд 2, метка: нет)", "Замечания:\n  ряд 2: [missing]"}},
        {game::SourceKind::File, Language::English, {"Source: file /g/chitin.key\n"}},
        {game::SourceKind::None, Language::English, {"Source: none, the game has no table and pays the default\n"}},
    };
    for (const auto& c : cases) {
        const std::string text = cli::ShowText(SampleReading(c.kind), c.language);
        for (const std::string& part : c.parts)
            EXPECT_NE(text.find(part), std::string::npos) << part << "\nin:\n" << text;
    }
    game::TableReading clean = SampleReading(game::SourceKind::File);
    clean.findings.clear();
    EXPECT_NE(cli::ShowText(clean, Language::English).find("\nNo findings.\n"), std::string::npos);
}

TEST(Printable, ControlCharactersAndBytesThatAreNotUtf8ShowAsHex)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"PICK_LOCK", "PICK_LOCK"},
        {"C:\\Игры\\БГ2", "C:\\Игры\\БГ2"},                 // backslashes and Cyrillic kept
        {"\x1b[31mRED", "\\x1b[31mRED"},
        {"a\tb\nc\x7f", "a\\x09b\\x0ac\\x7f"},
        {"\xc2\x9b" "2J \xc2\xa0", "\\xc2\\x9b2J \xc2\xa0"},   // C1 CSI escaped, U+00A0 kept
        {"\xe0\xa0", "\\xe0\\xa0"},                             // cut short
        {"\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80", "\\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80"},  // overlong, surrogate, past U+10FFFF
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::Printable(c.text), c.shown) << c.shown;
}

TEST(ShowText, OutsideDataIsEscapedInTextButNotInJson)
{
    game::TableReading reading = SampleReading(game::SourceKind::Archive);
    reading.activities[0].label = "\x1b[31mRED";
    reading.defaultText = "\r";
    reading.source.archive = game::FromUtf8("/g/data/\n.bif");
    reading.findings[0].message = "The cell \"\x1b]0;x\x07\".";
    const std::string text = cli::ShowText(reading, Language::English);
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    for (const char* part : {"label \\x1b[31mRED", "Default: \"\\x0d\"", "/g/data/\\x0a.bif", "\\x1b]0;x\\x07"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    const std::string json = cli::JsonText(cli::ShowJson(reading));
    EXPECT_NE(json.find("\"label\": \"\\u001b[31mRED\""), std::string::npos);
}

TEST(Templates, EighteenByActivityAndListChoiceWithTheWindowsTexts)
{
    const auto entries = cli::TemplateEntries();
    ASSERT_EQ(entries.size(), 18u);
    const struct {
        size_t index;
        const char* identifier;
        const char* text;
        std::int32_t level1, level10, level40;
    } cases[] = {
        {0, "bgtplck", "Таблица опыта, используемая для Baldur's Gate Trilogy", 10, 16, 62},
        {7, "bg2dtrp", "Таблица опыта, используемая в оригинальном Baldur's Gate 2", 1000, 1750, 3250},
        {15, "p50spl", "50% от значений таблицы опыта оригинального Baldur's Gate 2", 500, 0, 0},
        {17, "bgspl", "Опыт за изучение заклинаний со свитков не выдается", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const cli::TemplateEntry& e = entries[c.index];
        EXPECT_EQ(e.choice, static_cast<int>(c.index % 6));
        EXPECT_EQ(e.identifier, c.identifier);
        EXPECT_EQ(e.text, c.text);
        EXPECT_EQ(e.levels[0], c.level1);
        EXPECT_EQ(e.levels[9], c.level10);
        EXPECT_EQ(e.levels[39], c.level40);
    }
    const auto json = cli::TemplatesJson();
    EXPECT_EQ(json[12]["activity"], "scrolls");
    EXPECT_EQ(json[12]["template"], 0);
    EXPECT_EQ(json[12]["levels"][8], 90);
}

}  // namespace
