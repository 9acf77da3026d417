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
            h.stopAll();
            printer().state = static_cast<std::uint8_t>(c.state);
            start(language);
            h.advance(1s);
            const int templateId = german ? c.templateDe : c.templateEn;
            WindowView popup = h.top();
            ASSERT_EQ(popup.templateId(), templateId) << c.state;
            EXPECT_FALSE(polling()) << c.state;
            const ui::CtlColor colour = popup.colour(ui::IDOK);
            EXPECT_TRUE(colour.text == ui::kBlack && colour.transparent && colour.brush == ui::kWhite && !colour.useDefault)
                << c.state << ": black on white";
            if (!german && c.numberVisibleEn) {
                EXPECT_TRUE(popup.itemVisible(c.numberControl)) << c.state;
                EXPECT_EQ(popup.text(c.numberControl), std::to_string(c.state));
            }
            if (german) {
                EXPECT_FALSE(popup.itemVisible(c.numberControl)) << c.state;
            }

            printer().state = 2;
            h.advance(1s);
            EXPECT_EQ(h.has(templateId), !c.closesWhenPrinting) << c.state << " -> 2";
            printer().state = 0;
            h.advance(1s);
            EXPECT_FALSE(h.has(templateId)) << c.state << " -> 0";
            EXPECT_TRUE(polling()) << c.state;
            EXPECT_EQ(openMessageBoxes(), 0) << c.state;
        }
    }
}

TEST_F(ErrorPopups, ClosedByTheUserThePopupLeavesPollingStopped) {
    struct Case {
        const char* language;
        int state;
        void (*close)(WindowView&);
        bool resumes;
    };
    const Case cases[] = {
        {"0", 14, [](WindowView& w) { w.escape(); }, false},
        {"1", 14, [](WindowView& w) { w.closeBox(); }, false},
        {"1", 9, [](WindowView& w) { w.escape(); }, false},
        {"0", 17, [](WindowView& w) { w.click(ui::IDOK); }, true},
        {"1", 9, [](WindowView& w) { w.enter(); }, true},  // hidden OK, Enter still closes
    };
    for (const Case& c : cases) {
        h.stopAll();
        printer().state = static_cast<std::uint8_t>(c.state);
        start(c.language);
        h.advance(1s);
        WindowView popup = h.top();
        ASSERT_NE(popup.templateId(), IDD_MAIN) << c.state;
        c.close(popup);
        EXPECT_EQ(h.top().templateId(), IDD_MAIN) << c.state;
        EXPECT_EQ(polling(), c.resumes) << c.state;
        EXPECT_EQ(openMessageBoxes(), 0) << c.state;
    }
}

TEST_F(ErrorPopups, TheGermanCarriageStallPopupReportsItsResults) {
    printer().state = 15;
    start("0");
    h.advance(1s);
    ASSERT_EQ(h.top().templateId(), IDD_CARRIAGESTALL_DE);
    h.top().escape();
    std::optional<WindowView> box = h.messageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->messageText(), "IDCANCEL!");
    box->answer(ui::IDOK);
    EXPECT_FALSE(polling());

    h.stopAll();
    start("0");
    h.advance(1s);
    ASSERT_EQ(h.top().templateId(), IDD_CARRIAGESTALL_DE);
    h.top().click(ui::IDOK);
    EXPECT_EQ(h.top().templateId(), IDD_MAIN);
    EXPECT_TRUE(polling());
    EXPECT_EQ(openMessageBoxes(), 0);
}

TEST_F(ErrorPopups, EscInTheGermanOutOfPaperPopupCancelsThePrintJob) {
    printer().state = 9;
    start("0");
    h.advance(1s);
    ASSERT_EQ(h.top().templateId(), IDD_OUTOFPAPER_DE);
    h.bus.log().clear();
    h.top().escape();
    std::optional<WindowView> box = h.messageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption(), "cancelprint");
    EXPECT_EQ(box->messageText(), "\x1b*o5W\xc0");
    box->answer(ui::IDOK);

    const std::vector<std::string> writes = h.bus.log().writesTo("A1");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0], std::string("\x1b*o5W\xc0\x00\x00|\n\x00", 11));
    ASSERT_EQ(h.top().templateId(), IDD_OUTOFPAPER_DE) << "the window stays open";
    printer().state = 0;
    h.advance(3s);
    EXPECT_EQ(h.top().templateId(), IDD_OUTOFPAPER_DE) << "but no longer closes by itself";
    EXPECT_FALSE(polling());
}

TEST_F(ErrorPopups, ADamagedStatusFieldIsReportedOnceAndReadsAsReady) {
    struct Case {
        const char* rawId;  // nullptr: the built ID with a short status value
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"MFG:brenlato;MDL:zev;SN:A1;", "fehler", "tq"},
        {nullptr, "invalid status string", "error"},
    };
    for (const Case& c : cases) {
        h.stopAll();
        faults().rawId.reset();
        faults().rawStatus.reset();
        printer().state = 14;
        start("0");
        h.advance(1s);
        ASSERT_EQ(h.top().templateId(), IDD_PAPERJAM_DE);
        if (c.rawId) {
            faults().rawId = c.rawId;
        } else {
            faults().rawStatus = "0380000000";
        }
        h.advance(1s);
        std::optional<WindowView> box = h.messageBox();
        ASSERT_TRUE(box) << c.text;
        EXPECT_EQ(box->messageText(), c.text);
        EXPECT_EQ(box->caption(), c.caption);
        h.advance(5s);
        EXPECT_EQ(openMessageBoxes(), 1) << c.text << ": no box piles up on the ticks meanwhile";
        box->answer(ui::IDOK);
        EXPECT_EQ(h.top().templateId(), IDD_MAIN) << c.text << ": nothing at positions 16-17 reads as state 0";
        EXPECT_TRUE(polling()) << c.text;
    }
}

TEST_F(ErrorPopups, AnotherDeviceOnThePathKeepsThePopupOpen) {
    printer().state = 14;
    start("0");
    h.advance(1s);
    ASSERT_EQ(h.top().templateId(), IDD_PAPERJAM_DE);
    h.printer("A1").identity.mfg = "BRENLATO";  // upper case is not the ZEV's maker
    printer().state = 0;
    h.advance(3s);
    EXPECT_EQ(h.top().templateId(), IDD_PAPERJAM_DE);
    EXPECT_EQ(openMessageBoxes(), 0);
    h.printer("A1").identity.mfg = "brenlato";
    h.advance(1s);
    EXPECT_EQ(h.top().templateId(), IDD_MAIN);
}

TEST_F(ErrorPopups, UnpluggedDuringAPopupThePopupWaitsAndRecovers) {
    printer().state = 14;
    start("0");
    h.advance(1s);
    ASSERT_EQ(h.top().templateId(), IDD_PAPERJAM_DE);
    faults().unplugged = true;
    h.advance(5s);
    EXPECT_EQ(h.top().templateId(), IDD_PAPERJAM_DE);
    EXPECT_EQ(openMessageBoxes(), 0);
    faults().unplugged = false;
    printer().state = 0;
    h.advance(1s);
    EXPECT_EQ(h.top().templateId(), IDD_MAIN);
    EXPECT_TRUE(polling());
    h.advance(1s);
    EXPECT_EQ(statusLine(), "Leerlauf");
    EXPECT_EQ(openMessageBoxes(), 0);
    EXPECT_EQ(h.bus.openHandles(), 0u) << "no handle stays open between ticks";
}

}  // namespace
