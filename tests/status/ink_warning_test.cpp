// The ink pictures of the main window, the low-ink warning and the ink-level
// popup while the printer prints.
#include "status/status_scenario.h"

namespace {

using namespace statustest;

using InkWarnings = PollingProgram;

TEST_F(InkWarnings, LowInkWhilePrintingWarnsUntilThePrinterIsIdle) {
    printer() = {.state = 2, .activity = 15, .pen1 = {1, 7}};
    ASSERT_EQ(firstPoll("0", "0"), IDD_LOWINK_DE);
    WindowView warning = h.top();
    EXPECT_EQ(warning.caption(), "Tintenstand Warnung");
    EXPECT_EQ(warning.text(IDC_PEN1_LABEL), "Schwarz");
    EXPECT_EQ(warning.picture(IDC_PEN1_PICTURE), IDB_BLACK_10);
    EXPECT_EQ(warning.text(IDC_LOWINK_ACTIVITY), "15");
    EXPECT_EQ(h.main().picture(IDC_PEN1_PICTURE), IDB_BLACK_10);
    EXPECT_EQ(statusLine(), "drucken");
    EXPECT_FALSE(polling());

    h.advance(1s);
    EXPECT_EQ(warning.text(IDC_LOWINK_LEVEL), "7%");
    warning.click(ui::IDOK);
    EXPECT_TRUE(warning.open()) << "OK only tucks it away";
    EXPECT_TRUE(warning.iconic());

    printer().activity = 0;
    printer().state = 0;
    h.advance(1s);
    EXPECT_FALSE(h.has(IDD_LOWINK_DE)) << "closed, not only tucked away";
    EXPECT_TRUE(backToPolling());
    h.advance(3s);
    EXPECT_FALSE(h.has(IDD_LOWINK_DE)) << "an idle printer is not warned about";
    EXPECT_EQ(openMessageBoxes(), 0);
}

TEST_F(InkWarnings, TheInkLevelPopupShowsThePreviousPollsPens) {
    start("0", "1");
    h.advance(1s);  // idle: pens 80 % and 60 % are kept
    printer().pen1.level = 45;
    printing();
    ASSERT_EQ(topAfter(1s), IDD_INKLEVEL_DE);
    WindowView popup = h.top();
    EXPECT_EQ(popup.caption(), "Tintenstand");
    EXPECT_EQ(popup.text(IDC_PEN1_LEVEL) + popup.text(IDC_INKPOP_PEN2_LEVEL), "80%60%");
    EXPECT_EQ(popup.picture(IDC_INKPOP_PEN1_PICTURE), IDB_BLACK_80);
    EXPECT_EQ(popup.picture(IDC_INKPOP_PEN2_PICTURE), IDB_COLOUR_60);
    EXPECT_EQ(popup.text(IDC_INKPOP_STATUS) + " " + popup.text(IDC_INKPOP_STATE), "drucken 2");
    EXPECT_EQ(statusLine(), "Leerlauf") << "the popup leaves the line to the state";
    EXPECT_FALSE(polling());

    h.advance(3s);
    EXPECT_TRUE(popup.open()) << "printing goes on";
    printer().state = 0;
    printer().activity = 0;
    h.advance(1s);
    EXPECT_TRUE(backToPolling());
    h.advance(1s);
    EXPECT_EQ(h.main().text(IDC_PEN1_LEVEL), "45%");
}

TEST_F(InkWarnings, TheInkLevelPopupsCheckBoxSwitchesItOffForGood) {
    struct Case {
        const char* language;
        int templateId;
        const char* file;
    };
    const Case cases[] = {
        {"0", IDD_INKLEVEL_DE, "0 0"},
        {"1", IDD_INKLEVEL_EN, "0 1"},
    };
    for (const Case& c : cases) {
        printing();
        ASSERT_EQ(rerun(c.language, "1"), c.templateId);
        WindowView popup = h.top();
        popup.click(IDC_INKPOP_DONT_SHOW);
        EXPECT_EQ(h.settingsFile(), c.file);
        popup.click(IDC_INKPOP_DONT_SHOW);  // unticking it does not switch it on again
        EXPECT_EQ(h.settingsFile(), c.file);
        EXPECT_TRUE(popup.open());

        printer().state = 0;
        h.advance(1s);
        ASSERT_FALSE(h.has(c.templateId));
        printer().state = 2;
        EXPECT_EQ(topAfter(3s), IDD_MAIN) << "the option now reads 0";
    }
}

TEST_F(InkWarnings, ACarriageStallClosesTheInkLevelPopupAndOpensItsOwn) {
    printing();
    ASSERT_EQ(firstPoll("0", "1"), IDD_INKLEVEL_DE);
    printer().state = 15;
    h.advance(1s);
    EXPECT_TRUE(backToPolling()) << "the popup closed itself";
    EXPECT_EQ(topAfter(1s), IDD_CARRIAGESTALL_DE) << "the next poll sees the stall";
    EXPECT_EQ(statusLine(), "Druckkopfschlitten blockiert");
}

}  // namespace
