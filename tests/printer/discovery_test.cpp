// Finding ZEV printers: the start-up pass, the locate and ready-wait timers,
// and the choice of a printer from the list.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/app_harness.h"
#include "res/resource.h"

namespace {

using namespace zevtest;

class Discovery : public ::testing::Test {
protected:
    // Printer A1 answers with `fields` and its real status value.
    void startWithDeviceId(const std::string& fields) {
        emulator::EmulatedPrinter& printer = h.addPrinter("A1");
        printer.faults.rawId = fields + "S:" + printer.statusValue() + ";";
        h.startApp();
    }
    bool wrote(const std::string& printer, const std::string& command) {
        for (const std::string& write : h.bus.log().writesTo(printer))
            if (write.find(command) != std::string::npos) return true;
        return false;
    }
    AppHarness h;
};

TEST_F(Discovery, WithoutAPrinterTheWindowSaysSoAndKeepsLooking) {
    struct Case {
        const char* file;
        const char* text;
    };
    const Case cases[] = {
        {"1 0", "KEIN BRENLATO ZEV GEFUNDEN !!!"},
        {"1 1", "NO BRENLATO ZEV FOUND !!!"},
    };
    for (const Case& c : cases) {
        h.stopAll();
        h.settingsFile(c.file);
        h.startApp();
        WindowView main = h.main();
        EXPECT_EQ(main.text(IDC_STATUS_LINE), c.text);
        EXPECT_EQ(main.picture(IDC_PEN1_PICTURE), IDB_NO_PRINTER);
        EXPECT_EQ(main.picture(IDC_PEN2_PICTURE), IDB_NO_PRINTER);
        for (int id : {IDC_PEN1_LABEL, IDC_PEN2_LABEL, IDC_PEN1_LEVEL, IDC_PEN2_LEVEL})
            EXPECT_EQ(main.text(id), "- -") << id;
        EXPECT_FALSE(h.has(IDD_START_DE) || h.has(IDD_START_EN));
        EXPECT_TRUE(h.mainTimerRuns(app::kLocateTimer));
        EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer));

        h.advance(3s);
        EXPECT_EQ(main.text(IDC_STATUS_LINE), c.text);
        EXPECT_FALSE(h.messageBox());

        h.addPrinter("A1");
        h.advance(15s);  // found by the locate timer, then taken over by the ready wait
        EXPECT_EQ(main.text(IDC_STATUS_LINE), std::string(c.file) == "1 0" ? "Leerlauf" : "Idle")
            << "found once plugged in";
        EXPECT_EQ(main.text(IDC_PEN1_LEVEL), "80%");
        EXPECT_TRUE(h.mainTimerRuns(app::kStatusTimer));
        EXPECT_FALSE(h.mainTimerRuns(app::kLocateTimer));
        h.bus.printer("A1")->faults.unplugged = true;  // leave the bus empty for the next case
    }
}

TEST_F(Discovery, TwoPrintersAreListedSortedAndTheSecondCanBeChosen) {
    h.addPrinter("B2");
    h.addPrinter("A1");
    h.startApp();
    h.advance(5s);
    const std::vector<std::string> expected = {"BRENLATO ZEV SERIAL NUMBER: A1 ;", "BRENLATO ZEV SERIAL NUMBER: B2 ;"};
    EXPECT_EQ(h.main().comboItems(IDC_PRINTER_LIST), expected);
    h.printer("A1").condition.state = 3;
    h.advance(1s);
    EXPECT_EQ(h.main().text(IDC_STATUS_LINE), "Ausgeschaltet") << "the last one accepted is current";
    h.printer("A1").condition.state = 0;
    EXPECT_FALSE(h.main().itemEnabled(IDC_PRINTER_LIST));

    h.openFromTray();
    h.main().click(IDC_SELECT_PRINTER);
    ASSERT_TRUE(h.main().itemEnabled(IDC_PRINTER_LIST));
    h.bus.log().clear();
    h.main().choose(IDC_PRINTER_LIST, 1);
    EXPECT_EQ(h.main().text(IDC_PRINTER_LIST), expected[1]);
    EXPECT_FALSE(h.main().itemEnabled(IDC_PRINTER_LIST));
    EXPECT_TRUE(h.mainTimerRuns(app::kStatusTimer));
    EXPECT_FALSE(h.mainTimerRuns(app::kLocateTimer));
    EXPECT_TRUE(wrote("B2", "ds2.get 70016;"));
    EXPECT_FALSE(wrote("A1", "ds2.get 70016;"));

    h.printer("B2").condition.state = 14;
    h.advance(1s);
    EXPECT_EQ(h.top().templateId(), IDD_PAPERJAM_DE) << "the chosen printer is the one watched";
}

TEST_F(Discovery, ABusyPrinterIsTakenOverOnceReady) {
    h.addPrinter("A1").condition = {.state = 3, .activity = 1};
    h.startApp();
    EXPECT_FALSE(h.has(IDD_START_DE));
    EXPECT_EQ(h.main().text(IDC_STATE_CODE), "3");
    EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer));
    h.advance(2s);
    EXPECT_EQ(h.main().text(IDC_STATUS_LINE), "Ausgeschaltet") << "the locate timer hands it to the poller";
    EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer)) << "it waits for ready";

    h.bus.log().clear();
    h.printer("A1").condition.state = 0;
    const std::uint64_t readyAt = h.now();
    h.advance(1s);
    EXPECT_GE(h.now() - readyAt, 10000u) << "the window is blocked for ten seconds";
    const std::vector<std::string> lines = h.main().textHistory(IDC_STATUS_LINE);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Empfange Daten ... Bitte warten ..."), lines.end());
    EXPECT_EQ(h.main().comboItems(IDC_PRINTER_LIST), std::vector<std::string>{"BRENLATO ZEV SERIAL NUMBER: A1 ;"});
    for (const char* query : {"ds2.get 70016;", "ds2.get 70017;", "fm.push_value 49;"})
        EXPECT_TRUE(wrote("A1", query)) << query;
    EXPECT_FALSE(wrote("A1", "fm.push_value 48;")) << "the top margin is not among the first three";
    EXPECT_FALSE(h.mainTimerRuns(app::kReadyWaitTimer));
}

TEST_F(Discovery, AnUnreadableStatusRecordCountsAsNotReady) {
    h.addPrinter("A1").faults.rawStatus = "0312";
    h.startApp();
    EXPECT_FALSE(h.has(IDD_START_DE)) << "no settings are read from it";
    EXPECT_EQ(h.main().comboItems(IDC_PRINTER_LIST).size(), 1u);
    EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer));
    h.advance(3s);
    EXPECT_TRUE(h.mainTimerRuns(app::kReadyWaitTimer)) << "nor taken over by the ready wait";
    EXPECT_FALSE(h.messageBox());
}

TEST_F(Discovery, ADeviceIdWithoutSerialNumberIsNotListed) {
    startWithDeviceId("MFG:brenlato;MDL:zev;");
    EXPECT_EQ(h.answerBox(), "fehler/tq");
    EXPECT_TRUE(h.main().comboItems(IDC_PRINTER_LIST).empty());
}

TEST_F(Discovery, ASerialNumberTooLongForItsFieldIsRefusedQuietly) {
    emulator::EmulatedPrinter& printer = h.addPrinter("A1");
    printer.identity.serial = std::string(100, 'S');
    printer.identity.path = emulator::DefaultInterfacePath(printer.identity.vendorId, "A1");
    h.startApp();
    h.advance(3s);
    EXPECT_TRUE(h.main().comboItems(IDC_PRINTER_LIST).empty());
    EXPECT_FALSE(h.messageBox());
}

TEST_F(Discovery, ADeviceIdWithoutManufacturerEndsTheProgram) {
    startWithDeviceId("MDL:zev;SN:A1;");
    EXPECT_EQ(h.answerBox(), "fehler/tq");
    EXPECT_TRUE(h.primary().finished());
    EXPECT_TRUE(h.trayIcons().empty()) << "no icon is left behind";
}

}  // namespace
