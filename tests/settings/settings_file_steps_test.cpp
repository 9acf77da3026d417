// The main window's readers and writers of data.txt after start-up: the
// settings refresh's file step and the ink-level popup check box.
#include <gtest/gtest.h>

#include "harness/app_harness.h"

namespace {

using namespace zevtest;

class SettingsFileSteps : public ::testing::Test {
protected:
    void SetUp() override {
        h.startApp();
        h.openFromTray();
    }
    // "Standard" refreshes the settings display, whose last step is the file's.
    void refresh() { h.main().click(IDC_DEFAULTS); }
    // The user ticks the ink-level popup box as asked and picks a language.
    void setValues(int inkPopup, int languageFlag) {
        do h.main().click(IDC_INKPOPUP_ENABLE);
        while (h.main().checked(IDC_INKPOPUP_ENABLE) != inkPopup);
        h.main().click(languageFlag);
    }

    AppHarness h;
};

TEST_F(SettingsFileSteps, TheRefreshAppliesWhatTheFileHoldsAndRewritesItWithoutLineEnd) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        int checked;
        const char* title;
        const char* fileAfter;
    } cases[] = {
        {"popup off, English", "0 1", 0, "Pen Calibration", "0 1"},
        {"popup on, German", "1 0", 1, "Druckkopf Kalibrierung", "1 0"},
        {"line end from another tool", "0 1\r\n", 0, "Pen Calibration", "0 1"},
        {"deleted while in English", std::nullopt, 1, "Druckkopf Kalibrierung", "1 0"},
    };
    for (const auto& c : cases) {
        setValues(1, IDC_FLAG_EN);
        if (c.file)
            h.settingsFile(*c.file);
        else
            h.removeFile(kDataFile);
        refresh();
        EXPECT_EQ(h.main().checked(IDC_INKPOPUP_ENABLE), c.checked) << c.name;
        // The calibration group's title tells the applied language apart.
        EXPECT_EQ(h.main().text(IDC_CALIBRATION_GROUP), c.title) << c.name;
        EXPECT_EQ(h.settingsFile(), c.fileAfter) << c.name;
    }
}

TEST_F(SettingsFileSteps, ValuesTheFileDoesNotHoldValidlyStayAsTheyWere) {
    struct Case {
        const char* file;
        const char* inkPopup;
        const char* language;
    } cases[] = {
        {"", "0", "1"},
        {"1 2", "1", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE('"' + std::string(c.file) + '"');
        setValues(0, IDC_FLAG_EN);
        h.settingsFile(c.file);
        refresh();
        EXPECT_EQ(h.settingsFile(), std::string(c.inkPopup) + " " + c.language);
    }
}

TEST_F(SettingsFileSteps, TheInkPopupCheckBoxWritesEveryClick) {
    h.settingsFile("1 1");
    refresh();
    ASSERT_EQ(h.main().checked(IDC_INKPOPUP_ENABLE), 1);
    for (const std::string popup : {"0", "1"}) {
        h.main().click(IDC_INKPOPUP_ENABLE);
        EXPECT_EQ(h.settingsFile(), popup + " 1");
    }
}

}  // namespace
