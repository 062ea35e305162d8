#include "cli/WriteChoice.h"

#include <gtest/gtest.h>

namespace {

using cli::Choice;
using cli::ChoiceError;

struct ParseCase {
    const char* text;
    int levels;
    std::optional<int> listIndex;
    std::vector<std::string> values;
    std::optional<ChoiceError::Kind> error;
    const char* errorValue;
};

TEST(WriteChoice, ParsesEachFormAndNamesTheValueAtFault)
{
    const ParseCase cases[] = {
        {"3", 40, 3, {}, {}, ""},
        {"current", 40, {}, {}, {}, ""},
        {"5:1234,7", 9, 5, {"1234", "7"}, {}, ""},
        {"current:0012", 40, {}, {"0012"}, {}, ""},
        {"6", 40, {}, {}, ChoiceError::NotAChoice, "6"},
        {"Current", 40, {}, {}, ChoiceError::NotAChoice, "Current"},
        {"1:5,,6", 40, {}, {}, ChoiceError::EmptyValue, "5,,6"},
        {"1:", 40, {}, {}, ChoiceError::EmptyValue, ""},
        {"1:5,-6", 40, {}, {}, ChoiceError::NotDigits, "-6"},
        {"1:12345", 40, {}, {}, ChoiceError::TooLong, "12345"},
        {"1:1,2,3,4,5,6,7,8,9,10", 9, {}, {}, ChoiceError::TooMany, "10"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        Choice choice;
        auto error = cli::ParseChoice(c.text, c.levels, choice);
        ASSERT_EQ(error.has_value(), c.error.has_value());
        if (error) {
            EXPECT_EQ(error->kind, *c.error);
            EXPECT_EQ(error->value, c.errorValue);
            continue;
        }
        EXPECT_EQ(choice.listIndex, c.listIndex);
        EXPECT_EQ(choice.values, c.values);
    }
}

game::TableReading ReadingWith(std::vector<game::Finding> findings)
{
    game::TableReading reading;
    reading.source.kind = game::SourceKind::Override;
    for (int row = 0; row < 3; ++row) {
        reading.activities[row].activity = static_cast<game::Activity>(row);
        reading.activities[row].row = row;
        reading.activities[row].levels.fill(100 * (row + 1));
    }
    reading.findings = std::move(findings);
    return reading;
}

TEST(WriteChoice, CurrentIsRefusedOnlyForItsOwnRowsBlockingFindings)
{
    using game::Activity;
    const struct {
        const char* code;
        std::optional<int> row;
        Activity asked;
        bool refused;
    } cases[] = {
        {"row-order", std::nullopt, Activity::Scrolls, true}, {"leading-zero", 1, Activity::Traps, true},
        {"hex", 0, Activity::Locks, true},                    {"not-a-number", 2, Activity::Scrolls, true},
        {"negative", 1, Activity::Traps, true},               {"over-9999", 1, Activity::Traps, true},
        {"indented-row", 0, Activity::Locks, true},           {"surplus-cells", 2, Activity::Scrolls, true},
        {"missing-row", 2, Activity::Scrolls, true},          {"leading-zero", 1, Activity::Locks, false},
        {"short-row", 0, Activity::Locks, false},             {"level-cap", 0, Activity::Locks, false},
        {"encrypted", std::nullopt, Activity::Traps, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        auto refusal = cli::CurrentRefusal(ReadingWith({{c.code, c.row, 7, std::nullopt, "m"}}), c.asked);
        ASSERT_EQ(refusal.has_value(), c.refused);
        if (refusal) {
            EXPECT_EQ(refusal->line, 7);
        }
    }
    game::TableReading none = ReadingWith({});
    none.source.kind = game::SourceKind::None;
    ASSERT_TRUE(cli::CurrentRefusal(none, Activity::Locks));
    EXPECT_EQ(cli::CurrentRefusal(none, Activity::Locks)->code, "missing");
}

TEST(WriteChoice, RowsHoldTheTemplateOrCurrentValuesWithTypedValuesOver)
{
    std::array<Choice, 3> choices;  // locks, traps, scrolls
    ASSERT_FALSE(cli::ParseChoice("current:0012", 40, choices[0]));
    ASSERT_FALSE(cli::ParseChoice("3", 40, choices[1]));
    ASSERT_FALSE(cli::ParseChoice("5:1234,7", 9, choices[2]));
    game::TableReading current = ReadingWith({});
    std::string bytes = cli::TableBytes(choices, &current);
    auto row = [&](const char* label) {
        size_t at = bytes.find(label);
        return bytes.substr(at, bytes.find("\r\n", at) - at);
    };
    EXPECT_EQ(row("PICK_LOCK").substr(0, 29), "PICK_LOCK     12   100  100  ");
    EXPECT_EQ(row("DISARM_TRAP").substr(0, 24), "DISARM_TRAP   500  500  ");  // traps list 3: 50%
    EXPECT_EQ(row("LEARN_SPELL").substr(0, 29), "LEARN_SPELL   1234 7    0    ");
    EXPECT_EQ(bytes.substr(0, 13), "2DA V1.0\r\n0\r\n");
}

}  // namespace
