// The settings words' fields and the number texts of the settings controls.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "settings/settings_words.h"

namespace {

TEST(SettingsWords, FieldsReadFromThePaperHandlingWord) {
    struct Case {
        std::uint16_t word;
        int tolerance;
        int dryTime;
    } const cases[] = {
        {0x4000, 0, 0},
        {0x0015, 10, 0},            // secure feed on, 1.0 mm
        {0x2000 | (3 << 6), 0, 3},  // front output, 3 s
        {0xFFFF, 31, 127},          // every field full: dry time beyond the accepted 120
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

}  // namespace
