// The self-closing error popups: what they show while open, when they close,
// and what their buttons do.
#include "status/status_scenario.h"

namespace {

using namespace statustest;

using ErrorPopups = PollingProgram;

struct PopupCase {
    int state;
    int templateDe;
    int templateEn;
    bool closesWhenPrinting;
    int numberControl;
    bool numberVisibleEn;
};

const PopupCase kPopups[] = {
    {9, IDD_OUTOFPAPER_DE, IDD_OUTOFPAPER_EN, true, IDC_OUTOFPAPER_VALUE, false},
    {14, IDD_PAPERJAM_DE, IDD_PAPERJAM_EN, false, IDC_PAPERJAM_VALUE, true},
    {15, IDD_CARRIAGESTALL_DE, IDD_CARRIAGESTALL_EN, true, IDC_CARRIAGESTALL_VALUE, true},
    {16, IDD_PAPERMOTORSTALL_DE, IDD_PAPERMOTORSTALL_EN, true, IDC_PAPERMOTORSTALL_VALUE, true},
    {17, IDD_PENFAILURE_DE, IDD_PENFAILURE_EN, true, IDC_PENFAILURE_VALUE, false},
    {18, IDD_SEVEREERROR_DE, IDD_SEVEREERROR_EN, true, IDC_SEVEREERROR_VALUE, false},
    {255, IDD_UNKNOWNERROR_DE, IDD_UNKNOWNERROR_EN, true, IDC_UNKNOWNERROR_VALUE, true},
};

TEST_F(ErrorPopups, EachStateOpensItsPopupWhichClosesWhenTheConditionClears) {
    for (const char* language : {"0", "1"}) {
        const bool german = std::string(language) == "0";
        for (const PopupCase& c : kPopups) {
            SCOPED_TRACE(std::string(language) + " state " + std::to_string(c.state));
            printer().state = static_cast<std::uint8_t>(c.state);
            const int templateId = german ? c.templateDe : c.templateEn;
            ASSERT_EQ(rerun(language), templateId);
            WindowView popup = h.top();
            EXPECT_FALSE(polling());
            const ui::CtlColor colour = popup.colour(ui::IDOK);
            EXPECT_TRUE(colour.text == ui::kBlack && colour.transparent && colour.brush == ui::kWhite &&
                        !colour.useDefault)
                << "black on white";
            if (german) {
                EXPECT_FALSE(popup.itemVisible(c.numberControl));
            } else if (c.numberVisibleEn) {  // the other English templates have no such control
                EXPECT_TRUE(popup.itemVisible(c.numberControl));
                EXPECT_EQ(popup.text(c.numberControl), std::to_string(c.state));
            }

            printer().state = 2;
            h.advance(1s);
            EXPECT_EQ(h.has(templateId), !c.closesWhenPrinting) << "-> 2";
            printer().state = 0;
            h.advance(1s);
            EXPECT_FALSE(h.has(templateId)) << "-> 0";
            EXPECT_TRUE(polling());
            EXPECT_EQ(openMessageBoxes(), 0);
        }
    }
}

TEST_F(ErrorPopups, ClosedByTheUserThePopupLeavesPollingStopped) {
    struct Case {
        const char* language;
        int state;
        void (*close)(WindowView&);
        bool resumes;
        const char* box = "";  // what the opener says afterwards
    };
    const Case cases[] = {
        {"0", 14, [](WindowView& w) { w.escape(); }, false},
        {"1", 14, [](WindowView& w) { w.closeBox(); }, false},
        {"1", 9, [](WindowView& w) { w.escape(); }, false},
        {"0", 15, [](WindowView& w) { w.escape(); }, false, "IDCANCEL!/ZevStatus"},
        {"1", 15, [](WindowView& w) { w.escape(); }, false},
        {"0", 17, [](WindowView& w) { w.click(ui::IDOK); }, true},
        {"1", 9, [](WindowView& w) { w.enter(); }, true},  // hidden OK, Enter still closes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " state " + std::to_string(c.state));
        printer().state = static_cast<std::uint8_t>(c.state);
        ASSERT_NE(rerun(c.language), IDD_MAIN);
        WindowView popup = h.top();
        c.close(popup);
        EXPECT_EQ(h.answerBox(), c.box);
        EXPECT_EQ(h.top().templateId(), IDD_MAIN);
        EXPECT_EQ(polling(), c.resumes);
    }
}

TEST_F(ErrorPopups, EscInTheGermanOutOfPaperPopupCancelsThePrintJob) {
    printer().state = 9;
    ASSERT_EQ(firstPoll("0"), IDD_OUTOFPAPER_DE);
    h.bus.log().clear();
    h.top().escape();
    EXPECT_EQ(h.answerBox(), "\x1b*o5W\xc0/cancelprint");

    EXPECT_EQ(h.bus.log().writesTo("A1"), std::vector<std::string>{std::string("\x1b*o5W\xc0\x00\x00|\n\x00", 11)});
    ASSERT_EQ(h.top().templateId(), IDD_OUTOFPAPER_DE) << "the window stays open";
    printer().state = 0;
    EXPECT_EQ(topAfter(3s), IDD_OUTOFPAPER_DE) << "but no longer closes by itself";
    EXPECT_FALSE(polling());
}

TEST_F(ErrorPopups, ADamagedStatusFieldIsReportedOnceAndReadsAsReady) {
    struct Case {
        const char* rawId;
        const char* rawStatus;
        const char* shown;
    };
    const Case cases[] = {
        {"MFG:brenlato;MDL:zev;SN:A1;", nullptr, "fehler/tq"},
        {nullptr, "0380000000", "invalid status string/error"},  // the built ID with a short status value
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        faults().rawId.reset();
        faults().rawStatus.reset();
        printer().state = 14;
        ASSERT_EQ(rerun("0"), IDD_PAPERJAM_DE);
        if (c.rawId) faults().rawId = c.rawId;
        if (c.rawStatus) faults().rawStatus = c.rawStatus;
        h.advance(6s);
        EXPECT_EQ(openMessageBoxes(), 1) << "no box piles up on the ticks meanwhile";
        EXPECT_EQ(h.answerBox(), c.shown);
        EXPECT_TRUE(backToPolling()) << "nothing at positions 16-17 reads as state 0";
    }
}

TEST_F(ErrorPopups, UnpluggedDuringAPopupThePopupWaitsAndRecovers) {
    printer().state = 14;
    ASSERT_EQ(firstPoll("0"), IDD_PAPERJAM_DE);
    faults().unplugged = true;
    EXPECT_EQ(topAfter(5s), IDD_PAPERJAM_DE);
    EXPECT_EQ(openMessageBoxes(), 0);
    faults().unplugged = false;
    printer().state = 0;
    h.advance(1s);
    EXPECT_TRUE(backToPolling());
    h.advance(1s);
    EXPECT_EQ(statusLine(), "Leerlauf");
    EXPECT_EQ(openMessageBoxes(), 0);
    EXPECT_EQ(h.bus.openHandles(), 0u) << "no handle stays open between ticks";
}

TEST_F(ErrorPopups, AnotherDeviceOnThePathKeepsThePopupOpen) {
    printer().state = 14;
    ASSERT_EQ(firstPoll("0"), IDD_PAPERJAM_DE);
    h.printer("A1").identity.mfg = "BRENLATO";  // upper case is not the ZEV's maker
    printer().state = 0;
    EXPECT_EQ(topAfter(3s), IDD_PAPERJAM_DE);
    EXPECT_EQ(openMessageBoxes(), 0);
    h.printer("A1").identity.mfg = "brenlato";
    EXPECT_EQ(topAfter(1s), IDD_MAIN);
}

}  // namespace
