// The settings words' fields and the number texts of the settings controls.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "settings/settings_words.h"

namespace {

TEST(SettingsWords, FieldsReadFromThePaperHandlingWord) {
    struct Case { std::uint16_t word; int tolerance; int dryTime; } const cases[] = {
        {0x4000, 0, 0},
        {0x0015, 10, 0},                  // secure feed on, 1.0 mm
        {0x2000 | (3 << 6), 0, 3},        // front output, 3 s
        {0xFFFF, 31, 127},                // every field full: dry time beyond the accepted 120
        {0x8000 | (120 << 6) | 62, 31, 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(settings::ToleranceTenths(c.word), c.tolerance);
        EXPECT_EQ(settings::DryTimeSeconds(c.word), c.dryTime);
    }
}

TEST(SettingsWords, StoringAFieldLeavesEveryOtherBitAsItWas) {
    struct Case {
        const char* what;
        std::uint16_t (*store)(std::uint16_t, int);
        std::uint16_t word;
        int value;
        std::uint16_t expected;
    } const cases[] = {
        {"tolerance cleared", settings::WithTolerance, 0xFFFF, 0, 0xFFC1},
        {"tolerance 3.1 mm", settings::WithTolerance, 0x4000, 31, 0x403E},
        {"tolerance 1.0 mm, secure feed kept", settings::WithTolerance, 0x4001, 10, 0x4015},
        {"tolerance too large stays in its field", settings::WithTolerance, 0x4000, 32, 0x4000},
        {"dry time cleared", settings::WithDryTime, 0xFFFF, 0, 0xE03F},
        {"dry time 120 s", settings::WithDryTime, 0x2001, 120, 0x3E01},
        {"dry time too large never reaches the output bits", settings::WithDryTime, 0x0000, 128, 0x0000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.store(c.word, c.value), c.expected);
    }
}

TEST(SettingsText, TypedTextTimesTenTruncatedTowardZero) {
    struct Case { const char* text; std::int32_t tenths; } const cases[] = {
        {"3", 30},     {"3.", 30},    {"3.2", 32},   {"3.1", 31},    {"0.05", 0},
        {"2.01", 20},  // 20.099999... in double precision
        {"1.15", 11},  {"-1", -10},   {"-0.05", 0},  {"", 0},        {"abc", 0},
        {".", 0},      {" 1.5", 15},  {"1.5mm", 15}, {"1e1", 100},   {"34.5", 345},
        {"34.6", 346}, {"nan", 0},    {"1e400", std::numeric_limits<std::int32_t>::max()},
        {"-inf", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(settings::TenthsFromText(c.text), c.tenths);
    }
}

TEST(SettingsText, TextValueStopsAtAnEmbeddedZero) {
    EXPECT_DOUBLE_EQ(settings::DecimalTextValue(std::string("1.5\0" "9", 5)), 1.5);
    EXPECT_DOUBLE_EQ(settings::DecimalTextValue("0.29") * 100, 28.999999999999996);
}

TEST(SettingsText, OneDecimalShowsEveryMillimetreField) {
    struct Case { const char* what; std::string shown; const char* expected; } const cases[] = {
        {"tenths 0", settings::TenthsText(0), "0.0"}, {"tenths 10", settings::TenthsText(10), "1.0"},
        {"tenths 345", settings::TenthsText(345), "34.5"}, {"tenths 595", settings::TenthsText(595), "59.5"},
        {"top 1284", settings::TopMarginText(1284), "12.3"}, {"top 50", settings::TopMarginText(50), "0.0"},
        {"top 3500", settings::TopMarginText(3500), "34.5"},
        // Below 50 the unsigned subtraction wraps around.
        {"top 0", settings::TopMarginText(0), "42949672.5"}, {"top 49", settings::TopMarginText(49), "42949673.0"},
        {"left 0", settings::LeftMarginText(0), "0.0"}, {"left 500", settings::LeftMarginText(500), "5.0"},
        {"left 595", settings::LeftMarginText(595), "6.0"},  // 5.95 lies just above in binary
        {"left 5950", settings::LeftMarginText(5950), "59.5"}, {"left -1", settings::LeftMarginText(-1), "42949673.0"},
        {"huge", settings::OneDecimal(1e300).substr(0, 3), "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.shown, c.expected);
    }
}

}  // namespace
