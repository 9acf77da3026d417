#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "harness/harness.h"
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

namespace {

struct Killed {};

// On the simulated machine: what a write or a read that goes wrong leaves.
TEST(SettingsFileOnDisk, AWriteThatFailsOrDiesHalfwayLeavesTheOldFileWhole) {
    struct Case {
        const char* name;
        std::string operation;
        bool dies;
    } cases[] = {
        {"new file cannot be written", "write", false},
        {"dies before the swap", "replace", true},
        {"swap refused", "replace", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        zevtest::Harness h;
        h.writeFile("C:\\ZEV\\data.txt", "0 1");
        h.machine().fileFault = [&c](const std::string& op, const std::string&) {
            if (op == c.operation && c.dies) throw Killed{};
            return op == c.operation;
        };
        bool written = false;  // stays so when the process dies
        try {
            written = settings::WriteSettingsFile("C:\\ZEV\\data.txt", "1", "0");
        } catch (const Killed&) {}
        EXPECT_FALSE(written);
        EXPECT_EQ(h.readFile("C:\\ZEV\\data.txt"), "0 1");
    }
}

TEST(SettingsFileOnDisk, AFileThatCannotBeReadIsLeftAloneAndTheValuesStay) {
    zevtest::Harness h;
    h.writeFile("C:\\ZEV\\data.txt", "0 1");
    h.machine().fileFault = [](const std::string& op, const std::string&) { return op == "read"; };
    std::string inkPopup = "0", language = "1";
    settings::ReadOrCreateSettingsFile("C:\\ZEV\\data.txt", inkPopup, language);
    EXPECT_EQ(std::tie(inkPopup, language), std::tie("0", "1"));
    h.machine().fileFault = nullptr;
    EXPECT_EQ(h.readFile("C:\\ZEV\\data.txt"), "0 1");
}

}  // namespace
