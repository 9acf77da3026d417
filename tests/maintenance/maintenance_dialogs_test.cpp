// The maintenance buttons of the main window and their dialogs, against an
// emulated printer.
#include <gtest/gtest.h>

#include "maintenance/maintenance_test_support.h"
#include "res/resource.h"

namespace {

using namespace zevtest;

TEST(MaintenanceDialogs, EachButtonOpensItsTwinNamingThePrinterWithStartEnabled) {
    struct Case {
        int button;
        const char* language;
        int templateId;
        const char* caption;
    };
    const Case cases[] = {
        {IDC_CLEAN_NORMAL, "0", 200, "Druckkopfreinigung normal"},
        {IDC_CLEAN_NORMAL, "1", 201, "Pen Cleaning normal"},
        {IDC_CLEAN_MEDIUM, "0", 202, "Druckkopfreinigung medium"},
        {IDC_CLEAN_SUPER, "1", 205, "Pen Cleaning super"},
        {IDC_CALIBRATE_START, "0", 210, "Druckkopf Kalibrierung"},
        {IDC_CALIBRATE_START, "1", 211, "Pen Alignment"},
        {IDC_CALIBRATE_RESET, "0", 215, "Reset Druckkopf Kalibrierung"},
        {IDC_CALIBRATE_RESET, "1", 212, "Reset Pen Calibration"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        MaintenanceWorld w(c.language);
        auto dlg = w.open(c.button);
        EXPECT_EQ(dlg.templateId(), c.templateId);
        EXPECT_EQ(dlg.caption(), c.caption);
        EXPECT_EQ(dlg.text(IDC_PRINTER_TEXT), kPrinterA1);
        EXPECT_TRUE(dlg.itemEnabled(ui::IDOK));
        EXPECT_FALSE(w.statusTimerRuns());
        if (c.button != IDC_CALIBRATE_RESET) {
            EXPECT_TRUE(dlg.itemVisible(IDC_INSTRUCTION));
            EXPECT_FALSE(dlg.itemVisible(IDC_WAIT_TEXT));
            EXPECT_FALSE(dlg.itemVisible(IDC_AUTOCLOSE_TEXT));
        }
    }
}

TEST(MaintenanceDialogs, CleaningSendsItsButtonInTwoWritesAndClosesAfterItsTime) {
    struct Case {
        int button;
        const char* language;
        const char* command;
        std::chrono::milliseconds closesAfter;
    };
    const Case cases[] = {
        {IDC_CLEAN_NORMAL, "1", "uifp.multi_button_push 20;Exit;", 30s},
        {IDC_CLEAN_MEDIUM, "0", "uifp.multi_button_push 21;Exit;", 60s},
        {IDC_CLEAN_SUPER, "1", "uifp.multi_button_push 22;Exit;", 65s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        MaintenanceWorld w(c.language);
        auto dlg = w.start(c.button);
        EXPECT_EQ(w.writes(), (std::vector<std::string>{kEsc + "%P" + c.command, kUel}));
        EXPECT_FALSE(dlg.itemEnabled(ui::IDOK));
        EXPECT_FALSE(dlg.itemVisible(IDC_INSTRUCTION));
        EXPECT_TRUE(dlg.itemVisible(IDC_WAIT_TEXT));
        EXPECT_TRUE(dlg.itemVisible(IDC_AUTOCLOSE_TEXT));
        EXPECT_EQ(w.h.bus.openHandles(), 0u);

        w.h.advance(c.closesAfter - 1ms);
        EXPECT_TRUE(dlg.open());
        EXPECT_FALSE(w.statusTimerRuns());
        w.h.advance(1ms);
        EXPECT_FALSE(dlg.open());
        EXPECT_TRUE(w.statusTimerRuns());
        EXPECT_EQ(w.writes().size(), 2u);
    }
}

TEST(MaintenanceDialogs, ProgressTextsBlinkRedAndBlackEveryHalfSecond) {
    MaintenanceWorld w("1");
    auto dlg = w.start(IDC_CLEAN_NORMAL);
    const ui::Colour red = ui::RGB(255, 0, 0);
    std::vector<ui::Colour> seen;
    for (int i = 0; i < 4; ++i) {
        w.h.advance(500ms);
        seen.push_back(dlg.colour(IDC_WAIT_TEXT).text);
        EXPECT_EQ(dlg.colour(IDC_AUTOCLOSE_TEXT).text, seen.back());
        EXPECT_EQ(dlg.colour(IDC_PRINTER_TEXT).text, ui::kBlack);
        EXPECT_EQ(dlg.colour(IDC_WAIT_TEXT).brush, ui::kWhite);
    }
    EXPECT_EQ(seen, (std::vector<ui::Colour>{red, ui::kBlack, red, ui::kBlack}));
    EXPECT_EQ(dlg.raw().control(IDC_WAIT_TEXT)->redraws, 4);
}

TEST(MaintenanceDialogs, AlignmentSendsOneWriteAndClosesWhenThePrinterIsReadyAgain) {
    MaintenanceWorld w("1");
    auto dlg = w.start(IDC_CALIBRATE_START);
    const std::string frame = kEsc + "%Puifp.multi_button_push 3;Exit;" + kUel;
    ASSERT_EQ(w.writes(), std::vector<std::string>{frame});
    EXPECT_EQ(w.h.bus.openHandles(), 0u);

    // The emulated printer prints its alignment page for 15 seconds (state 4).
    w.h.advance(10s);
    EXPECT_TRUE(dlg.open());
    EXPECT_EQ(dlg.text(IDC_MAINT_STATE), "4");
    EXPECT_FALSE(w.statusTimerRuns());
    w.h.advance(6s);
    EXPECT_FALSE(dlg.open());
    EXPECT_TRUE(w.statusTimerRuns());
    EXPECT_FALSE(w.h.messageBox().has_value());
}

TEST(MaintenanceDialogs, AlignmentStaysOpenWhileThePrinterIsUnpluggedAndClosesWhenItIsBackAndReady) {
    MaintenanceWorld w("0");
    auto dlg = w.start(IDC_CALIBRATE_START);
    w.printer().faults.unplugged = true;
    w.h.advance(60s);
    EXPECT_TRUE(dlg.open());
    EXPECT_FALSE(w.h.messageBox().has_value());
    w.printer().faults.unplugged = false;
    w.h.advance(1s);
    EXPECT_FALSE(dlg.open());
}

TEST(MaintenanceDialogs, ResetSendsTheResetFrameAndConfirmsInGermanInBothLanguages) {
    for (const char* language : {"0", "1"}) {
        SCOPED_TRACE(language);
        MaintenanceWorld w(language);
        auto dlg = w.open(IDC_CALIBRATE_RESET);
        // The instruction blinks from the start.
        w.h.advance(500ms);
        EXPECT_EQ(dlg.colour(IDC_WAIT_TEXT).text, ui::RGB(255, 0, 0));
        dlg.click(ui::IDOK);
        EXPECT_EQ(w.writes(), std::vector<std::string>{kEsc + "%Ppen_align.reset;" + kQueryTrailer});
        EXPECT_EQ(w.printer().calibrationResets(), 1);
        ASSERT_TRUE(w.h.messageBox().has_value());
        EXPECT_EQ(w.h.messageBox()->messageType(), ui::MB_OK);
        EXPECT_FALSE(w.statusTimerRuns());
        EXPECT_EQ(w.h.answerBox(),
                  "Die Druckkopfkalibrierung wurde erfolgreich zurückgesetzt.\n"
                  "Bitte schalten Sie den Drucker aus und wieder ein.\n"
                  "Betätigen Sie zwei mal die Einschalttaste./Hinweis");
        EXPECT_FALSE(dlg.open());
        EXPECT_TRUE(w.statusTimerRuns());
    }
}

TEST(MaintenanceDialogs, ADialogThatCannotBeCreatedIsReportedAndPollingStaysStopped) {
    struct Case {
        const char* language;
        int templateId;
        const char* box;
    } const cases[] = {
        {"0", 200, "Dialogbox kann nicht erstellt werden !/ZevStatus"},
        {"1", 201, "Dialog box could not be created !/ZevStatus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        MaintenanceWorld w(c.language);
        w.h.primary().backend().failTemplate(c.templateId);
        w.press(IDC_CLEAN_NORMAL);
        EXPECT_EQ(w.h.answerBox(), c.box);
        EXPECT_FALSE(w.statusTimerRuns());
    }
}

TEST(MaintenanceDialogs, StartTakesEffectOnceEvenWhenEnterFollows) {
    MaintenanceWorld w("0");
    w.start(IDC_CLEAN_NORMAL).enter();
    EXPECT_EQ(w.writes().size(), 2u);
}

}  // namespace
