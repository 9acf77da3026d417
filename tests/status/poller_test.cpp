// The once-a-second status poll: the status line, the pens and the popups it
// opens, against an emulated printer.
#include "status/status_scenario.h"

namespace {

using namespace statustest;

using StatusPoll = PollingProgram;

TEST_F(StatusPoll, AnIdlePrinterShowsItsPensInTheActiveLanguage) {
    struct Case {
        const char* language;
        const char* line;
        const char* pen1;
        const char* pen2;
    };
    const Case cases[] = {
        {"0", "Leerlauf", "Schwarz", "Farbe"},
        {"1", "Idle", "(K) Black", "(CMY)Colour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(rerun(c.language), IDD_MAIN);
        WindowView main = h.main();
        EXPECT_EQ(main.text(IDC_STATUS_LINE), c.line);
        EXPECT_EQ(main.text(IDC_PEN1_LABEL), c.pen1);
        EXPECT_EQ(main.text(IDC_PEN2_LABEL), c.pen2);
        EXPECT_EQ(main.text(IDC_PEN1_LEVEL) + main.text(IDC_PEN2_LEVEL), "80%60%");
        EXPECT_EQ(main.picture(IDC_PEN1_PICTURE), IDB_BLACK_80);
        EXPECT_EQ(main.picture(IDC_PEN2_PICTURE), IDB_COLOUR_60);
        EXPECT_EQ(main.text(IDC_STATE_CHARS) + "/" + main.text(IDC_STATE_CODE), "00/0");
        EXPECT_EQ(main.text(IDC_RAW_STATUS), h.printer("A1").statusValue());
        EXPECT_TRUE(polling());
    }
}

TEST_F(StatusPoll, StatesWithoutTextKeepThePreviousLineUnlessIdle) {
    printer() = {.state = 3, .activity = 1};
    firstPoll("0");
    ASSERT_EQ(statusLine(), "Ausgeschaltet");
    for (int state : {0, 1, 6, 10, 26}) {
        printer().state = static_cast<std::uint8_t>(state);
        h.advance(1s);
        EXPECT_EQ(statusLine(), "Ausgeschaltet") << state;
        EXPECT_EQ(h.main().text(IDC_STATE_CODE), std::to_string(state));
    }
    printer().activity = 0;
    h.advance(1s);
    EXPECT_EQ(statusLine(), "Leerlauf");
}

TEST_F(StatusPoll, ADamagedStatusRecordKeepsThePreviousDisplay) {
    firstPoll("0");
    ASSERT_EQ(statusLine(), "Leerlauf");
    const char* damaged[] = {
        "0312",                                         // too short
        "",                                             // an empty value
        "0400000000000000000001000050020000003C00000",  // version 4
    };
    for (const char* raw : damaged) {
        faults().rawStatus = raw;
        printer() = {.state = 14, .pen1 = {1, 5}};
        SCOPED_TRACE(raw);
        EXPECT_EQ(topAfter(1s), IDD_MAIN);
        EXPECT_EQ(statusLine() + " " + h.main().text(IDC_PEN1_LEVEL), "Leerlauf 80%");
        EXPECT_EQ(h.main().picture(IDC_PEN1_PICTURE), IDB_BLACK_80);
        EXPECT_EQ(openMessageBoxes(), 0);
        EXPECT_TRUE(polling());
    }
    EXPECT_EQ(h.main().text(IDC_RAW_STATUS), "0400000000000000000001000050020000003C00000");
}

TEST_F(StatusPoll, CoverOpenWhileOutOfPaperShowsBothPopupsInOnePoll) {
    printer() = {.state = 9, .cover = 9};
    ASSERT_EQ(firstPoll("0"), IDD_LID_DE);
    EXPECT_EQ(statusLine(), "Obere Abdeckung offen");
    EXPECT_FALSE(polling());

    printer().cover = 8;
    ASSERT_EQ(topAfter(1s), IDD_OUTOFPAPER_DE) << "the same poll goes on to the state";
    EXPECT_EQ(statusLine(), "Kein Papier");
    EXPECT_FALSE(polling());

    printer().state = 0;
    h.advance(1s);
    EXPECT_TRUE(backToPolling());
    h.advance(1s);
    EXPECT_EQ(statusLine(), "Leerlauf");
}

TEST_F(StatusPoll, EscOnTheCoverPopupResumesPolling) {
    printer().cover = 9;
    ASSERT_EQ(firstPoll("0"), IDD_LID_DE);
    h.top().escape();
    EXPECT_TRUE(backToPolling());
    EXPECT_EQ(topAfter(1s), IDD_LID_DE) << "the cover is still open";
}

TEST_F(StatusPoll, AnIncompleteJobWaitsForTheUser) {
    printer().job = 1;
    ASSERT_EQ(firstPoll("1"), IDD_FORMFEED_EN);
    EXPECT_EQ(statusLine(), "Uncomplete Print Job");
    EXPECT_FALSE(polling());
    printer().job = 0;
    ASSERT_EQ(topAfter(3s), IDD_FORMFEED_EN) << "it has no timer of its own";
    EXPECT_EQ(h.top().colour(0).useDefault, true) << "and keeps the platform's colours";
    h.top().enter();
    EXPECT_TRUE(polling());
    EXPECT_EQ(topAfter(1s), IDD_MAIN);
    EXPECT_EQ(statusLine(), "Idle");
}

TEST_F(StatusPoll, APopupThatCannotBeCreatedStopsPollingWithItsMessage) {
    struct Case {
        const char* language;
        int state;
        int templateId;
        const char* message;
    };
    const Case cases[] = {
        {"0", 14, IDD_PAPERJAM_DE, "Dialogbox kann nicht erstellt werden!"},
        {"0", 9, IDD_OUTOFPAPER_DE, "Dialogbox kann nicht erstellt werden !"},
        {"0", 15, IDD_CARRIAGESTALL_DE, "Dialog box kann nicht erstellt werden!"},
        {"1", 9, IDD_OUTOFPAPER_EN, "Dialog box could not be created!"},
        {"1", 255, IDD_UNKNOWNERROR_EN, "Dialog box could not be created!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        h.stopAll();
        printer().state = static_cast<std::uint8_t>(c.state);
        start(c.language);
        h.primary().backend().failTemplate(c.templateId);
        h.advance(1s);
        EXPECT_EQ(h.answerBox(), std::string(c.message) + "/ZevStatus");
        EXPECT_FALSE(polling());
        h.advance(3s);
        EXPECT_EQ(openMessageBoxes(), 0);
    }
}

TEST_F(StatusPoll, UnpluggedWhilePollingTheProgramLooksForThePrinterAgain) {
    firstPoll("0");
    ASSERT_EQ(statusLine(), "Leerlauf");
    faults().unplugged = true;
    h.advance(1s);
    EXPECT_TRUE(h.mainTimerRuns(app::kLocateTimer));
    EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer));
    EXPECT_TRUE(polling()) << "the status timer runs beside discovery";
    h.advance(3s);
    EXPECT_EQ(statusLine(), "KEIN BRENLATO ZEV GEFUNDEN !!!") << "discovery is not starved by the failing polls";
    EXPECT_EQ(h.main().picture(IDC_PEN1_PICTURE), IDB_NO_PRINTER);
    EXPECT_EQ(openMessageBoxes(), 0);

    faults().unplugged = false;
    printer().state = 14;
    EXPECT_EQ(topAfter(2s), IDD_PAPERJAM_DE) << "the printer is found again and watched";
    EXPECT_FALSE(h.mainTimerRuns(app::kLocateTimer));
    printer().state = 0;
    EXPECT_EQ(topAfter(15s), IDD_MAIN);
    EXPECT_FALSE(h.mainTimerRuns(app::kReadyWaitTimer)) << "the ready printer was taken over";
    EXPECT_EQ(statusLine(), "Leerlauf");
    EXPECT_EQ(openMessageBoxes(), 0);
}

TEST_F(StatusPoll, MissingPensAndUnclampedLevels) {
    struct Case {
        const char* language;
        emulator::PenSlot pen1, pen2;
        const char* pen1Label;
        const char* pen2Label;
        const char* pen1Level;
        int pen1Picture;  // without a picture of its own, the ready display's IDB_BLACK_80 stays
        int pen2Picture;  // and IDB_COLOUR_60
    };
    const Case cases[] = {
        {"1", {0, 0}, {0, 0}, "- -", "- - No Pen", "0%", 0, IDB_COLOUR_60},
        {"0", {0, 0}, {0, 0}, "- -", "- -", "0%", 0, IDB_COLOUR_60},
        {"1", {3, 255}, {2, 101}, "(KCM)Photo", "(CMY)Colour", "255%", IDB_BLACK_80, IDB_COLOUR_60},
        {"0", {3, 5}, {2, 100}, "Foto", "Farbe", "5%", IDB_PHOTO_10, IDB_COLOUR_100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.pen1Level);
        printer() = {.pen1 = c.pen1, .pen2 = c.pen2};
        rerun(c.language);
        WindowView main = h.main();
        EXPECT_EQ(main.text(IDC_PEN1_LABEL), c.pen1Label);
        EXPECT_EQ(main.text(IDC_PEN2_LABEL), c.pen2Label);
        EXPECT_EQ(main.text(IDC_PEN1_LEVEL), c.pen1Level);
        EXPECT_EQ(main.picture(IDC_PEN1_PICTURE), c.pen1Picture);
        EXPECT_EQ(main.picture(IDC_PEN2_PICTURE), c.pen2Picture);
    }
}

}  // namespace
