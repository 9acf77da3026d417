#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/settings_file.h"

namespace {

using Value = std::optional<std::string>;

TEST(SettingsFileText, ReadsTwoBlankSeparatedTokensAndRefusesAnythingButZeroOrOne) {
    struct Case {
        std::string text;
        Value inkPopup;
        Value language;
    } cases[] = {
        {"1 0", "1", "0"},
        {"0 1", "0", "1"},
        {"1 1\r\n", "1", "1"},
        {"0 1\n", "0", "1"},
        {"  0\t\t1  ", "0", "1"},
        {"1\r\n0", "1", "0"},
        {"\xEF\xBB\xBF"
         "0 1",
         "0",
         "1"},
        {"1 0 trailing words", "1", "0"},
        {"", std::nullopt, std::nullopt},
        {"   \r\n", std::nullopt, std::nullopt},
        {"0", "0", std::nullopt},
        // Outside the format: each token on its own is refused, the other still counts.
        {"10 1", std::nullopt, "1"},
        {"1 en", "1", std::nullopt},
        {"2 1", std::nullopt, "1"},
        {"1 -", "1", std::nullopt},
        {std::string("1 \0", 3), "1", std::nullopt},
        {std::string(100000, '1') + " 0", std::nullopt, "0"},
    };
    for (const auto& c : cases) {
        const settings::SettingsTokens t = settings::ParseSettingsText(c.text);
        EXPECT_EQ(t.inkPopup, c.inkPopup) << '"' << c.text.substr(0, 20) << '"';
        EXPECT_EQ(t.language, c.language) << '"' << c.text.substr(0, 20) << '"';
    }
}

}  // namespace
