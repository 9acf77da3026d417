// The main window's printer settings block against an emulated printer: what
// the controls show, what typing and clicking store, and what OK, Apply and
// "Standard" send.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "res/resource.h"

namespace {

using namespace zevtest;

constexpr std::string_view kOpener = "\x1b%P";
constexpr std::string_view kTrailer =
    "udw.quit;\x1b"
    "E\x1b%-12345X";

// One program on one emulated printer "A1".
struct Session {
    Session() = default;
    explicit Session(const std::string& language) { start(language); }
    // Starts the program on a ready printer and opens the main window as a user
    // would, once the start dialog has gone and the settings have been read.
    void start(const std::string& language = "0") {
        h.settingsFile("0 " + language);
        h.startApp();
        h.advance(5s);
        openMain();
        h.bus.log().clear();
    }
    void openMain() {
        h.openFromTray();
        ASSERT_TRUE(main().visible());
    }
    WindowView main() { return h.main(); }

    // The command texts of the frames the printer received since the last clear.
    std::vector<std::string> sent() {
        std::vector<std::string> texts;
        for (const std::string& w : h.bus.log().writesTo("A1")) {
            std::string_view t = w;
            if (t.starts_with(kOpener)) t.remove_prefix(kOpener.size());
            if (t.ends_with(kTrailer)) t.remove_suffix(kTrailer.size());
            texts.emplace_back(t);
        }
        return texts;
    }
    // OK or Apply, then the confirmation's OK; returns the texts sent.
    std::vector<std::string> apply(int button = IDC_APPLY) {
        h.bus.log().clear();
        main().click(button);
        if (h.has(IDD_TRANSFER_DE)) h.window(IDD_TRANSFER_DE).enter();
        if (h.has(IDD_TRANSFER_EN)) h.window(IDD_TRANSFER_EN).enter();
        h.advance(300ms);
        return sent();
    }
    void retype(int id, const std::string& text) {
        main().type(id, std::string(main().text(id).size(), '\b'));
        main().type(id, text);
    }
    bool statusTimerRuns() { return h.mainTimerRuns(app::kStatusTimer); }
    // A block of controls in one comparison: their texts blank-separated, or
    // one digit per control for checked.
    std::string texts(std::initializer_list<int> ids) {
        std::string joined;
        for (int id : ids) joined += (joined.empty() ? "" : " ") + main().text(id);
        return joined;
    }
    std::string checks(std::initializer_list<int> ids) {
        std::string digits;
        for (int id : ids) digits += std::to_string(main().checked(id));
        return digits;
    }

    AppHarness h;
    emulator::EmulatedPrinter& printer = h.addPrinter("A1");
};

class PrinterSettings : public ::testing::Test, protected Session {};

TEST_F(PrinterSettings, AnswersOfThePrinterFillTheControls) {
    printer.settings = {.paperHandling = 0x2000 | (7 << 6) | (12 << 1) | 1,
                        .printOptions = 0x000C,
                        .topMargin = 1284,
                        .leftMargin = 595};
    start();
    EXPECT_EQ(checks({IDC_SECURE_FEED, IDC_OUTPUT_FRONT, IDC_OUTPUT_BACK, IDC_SENSOR_OFF, IDC_INKBACKUP_ON}), "11011");
    // The left margin is 5.95 mm, which one decimal rounds up.
    EXPECT_EQ(texts({IDC_TOLERANCE, IDC_DRYTIME, IDC_TOP_MARGIN, IDC_LEFT_MARGIN}), "1.2 7 12.3 6.0");
    EXPECT_EQ(main().spinPos(IDC_TOLERANCE_SPIN), 12);
    EXPECT_EQ(main().spinPos(IDC_TOP_MARGIN_SPIN), 123);
    EXPECT_TRUE(main().itemEnabled(IDC_DRYTIME));
}

TEST_F(PrinterSettings, ToleranceIsCheckedOnEveryKeystrokeAndTruncatedToTenths) {
    start();
    main().click(IDC_SECURE_FEED);
    retype(IDC_TOLERANCE, "3.");
    EXPECT_FALSE(h.messageBox()) << "3 and 3. are 3.0 mm";
    EXPECT_EQ(main().spinPos(IDC_TOLERANCE_SPIN), 30);

    main().type(IDC_TOLERANCE, "2");
    EXPECT_EQ(h.answerBox(), "Nur Zahlen von 0.0 - 3.1 erlaubt! Wert wird auf 0.0 zurück gesetzt/ZevStatus");
    EXPECT_EQ(main().text(IDC_TOLERANCE), "0.0");

    retype(IDC_TOLERANCE, "0.05");
    EXPECT_EQ(main().text(IDC_TOLERANCE), "0.05") << "the edit keeps what was typed";
    EXPECT_EQ(main().spinPos(IDC_TOLERANCE_SPIN), 0);
    EXPECT_EQ(apply().at(0), "ds2.set 70016,16385;") << "secure feed on, tolerance truncated to 0";
}

TEST_F(PrinterSettings, RangeMessagesFollowTheLanguageExceptTheDryTime) {
    struct Case {
        const char* language;
        int edit;
        const char* typed;
        const char* message;
        const char* reset;
    } const cases[] = {
        {"1", IDC_TOLERANCE, "4", "Only numbers between 0.0 and 3.1 allowed ! Value will be set to 0.0", "0.0"},
        {"1", IDC_DRYTIME, "-1", "Nur Zahlen von 0 - 120 erlaubt! Wert wird auf 0 zurück gesetzt", "0"},
        {"0", IDC_DRYTIME, "121", "Nur Zahlen von 0 - 120 erlaubt! Wert wird auf 0 zurück gesetzt", "0"},
        {"1", IDC_TOP_MARGIN, "34.6", "Only numbers between 0.0 and 34.5 allowed! Value will be set to 0.0", "0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.typed);
        Session s(c.language);
        s.main().click(IDC_SECURE_FEED);
        s.main().click(IDC_OUTPUT_FRONT);
        s.retype(c.edit, c.typed);
        EXPECT_EQ(s.h.answerBox(), std::string(c.message) + "/ZevStatus");
        EXPECT_EQ(s.main().text(c.edit), c.reset);
    }
}

TEST_F(PrinterSettings, ClickedSettingsChangeTheWordsSentOnApply) {
    struct Case {
        const char* what;
        std::vector<int> clicks;
        const char* paperHandling;
        const char* printOptions;
    } const cases[] = {
        {"secure feed on: tolerance 1.0 mm, bits 01010", {IDC_SECURE_FEED}, "ds2.set 70016,16405;", "ds2.set 70017,0;"},
        {"secure feed on and off", {IDC_SECURE_FEED, IDC_SECURE_FEED}, "ds2.set 70016,16384;", "ds2.set 70017,0;"},
        {"front: dry time 3 s", {IDC_OUTPUT_FRONT}, "ds2.set 70016,8384;", "ds2.set 70017,0;"},
        {"front, then back", {IDC_OUTPUT_FRONT, IDC_OUTPUT_BACK}, "ds2.set 70016,16384;", "ds2.set 70017,0;"},
        {"sensor off ends secure feed", {IDC_SECURE_FEED, IDC_SENSOR_OFF}, "ds2.set 70016,16384;", "ds2.set 70017,4;"},
        {"sensor off and on", {IDC_SENSOR_OFF, IDC_SENSOR_OFF}, "ds2.set 70016,16384;", "ds2.set 70017,0;"},
        {"ink backup allowed", {IDC_INKBACKUP_ON}, "ds2.set 70016,16384;", "ds2.set 70017,8;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session s("0");
        for (int id : c.clicks) {
            s.main().click(id);
            s.h.answerBox();
        }
        const auto texts = s.apply();
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[0], c.paperHandling);
        EXPECT_EQ(texts[1], c.printOptions);
    }
}

TEST_F(PrinterSettings, InkBackupWarnsInBothDirections) {
    struct Case {
        const char* language;
        const char* on;
        const char* off;
    } const cases[] = {
        {"0",
         "ACHTUNG !!! Schwarz wird aus der Farbe gemischt. Die Ausdrucke sind nicht maschinenlesbar !!!/WICHTIGER "
         "HINWEIS",
         "Die Ausdrucke sind wieder maschinenlesbar !/HINWEIS"},
        {"1",
         "ATTENTION !!! Black will be mixed out of the colours. The print outs will be not machine readable "
         "!!!/IMPORTANT ADVICE",
         "The print outs are machine readable again !/ADVICE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        Session s(c.language);
        for (bool on : {true, false}) {
            s.main().click(IDC_INKBACKUP_ON);
            ASSERT_TRUE(s.h.messageBox());
            EXPECT_EQ(s.h.messageBox()->messageType(), ui::MB_OK);
            EXPECT_EQ(s.h.answerBox(), on ? c.on : c.off);
        }
    }
}

TEST_F(PrinterSettings, MarginsAreSentAsTypedAndTruncated) {
    start();
    retype(IDC_LEFT_MARGIN, "0.29");
    EXPECT_EQ(main().spinPos(IDC_LEFT_MARGIN_SPIN), 2);
    EXPECT_EQ(main().text(IDC_TOP_MARGIN), "0.0");
    EXPECT_EQ(apply().at(2), "fm.push_value 50;fm.push_value 28;fm.push_value 1;fm.flow 225;fm.pop;");
    const auto& entries = h.bus.log().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].atMs - entries[0].atMs, 300u);
    EXPECT_EQ(entries[2].atMs - entries[1].atMs, 300u);
}

TEST_F(PrinterSettings, StandardThenOkSendsTheDefaults) {
    printer.settings = {.paperHandling = 0xA0D5, .printOptions = 0x000C, .topMargin = 1284, .leftMargin = 500};
    start();
    main().click(IDC_DEFAULTS);
    EXPECT_EQ(texts({IDC_TOP_MARGIN, IDC_LEFT_MARGIN}), "0.0 0.0");
    EXPECT_EQ(main().checked(IDC_OUTPUT_BACK), 1);
    EXPECT_FALSE(main().itemEnabled(IDC_DRYTIME));
    EXPECT_TRUE(sent().empty()) << "the defaults wait for OK or Apply";

    EXPECT_EQ(apply(IDC_SETTINGS_OK),
              (std::vector<std::string>{"ds2.set 70016,16384;",
                                        "ds2.set 70017,0;",
                                        "fm.push_value 50;fm.push_value 0;fm.push_value 1;fm.flow 225;fm.pop;"}));
    EXPECT_EQ(printer.settings, emulator::PrinterSettings{});
}

TEST_F(PrinterSettings, OkAndApplyConfirmHideTheWindowAndResumePolling) {
    struct Case {
        int button;
        const char* language;
        int confirmation;
    } const cases[] = {
        {IDC_SETTINGS_OK, "0", IDD_TRANSFER_DE},
        {IDC_APPLY, "1", IDD_TRANSFER_EN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Session s(c.language);
        s.main().click(c.button);
        ASSERT_TRUE(s.h.has(c.confirmation));
        EXPECT_EQ(s.sent().size(), 3u);
        EXPECT_FALSE(s.statusTimerRuns()) << "no poll while the confirmation is open";
        EXPECT_FALSE(s.h.window(c.confirmation).colour(ui::IDOK).useDefault);
        const auto closedAt = s.h.now();
        s.h.window(c.confirmation).enter();
        EXPECT_EQ(s.h.now() - closedAt, 300u) << "the window hides after a short wait";
        EXPECT_FALSE(s.main().visible());
        EXPECT_TRUE(s.statusTimerRuns());
    }
}

TEST_F(PrinterSettings, ApplyOnABusyPrinterShowsTheNoticeOfTheLanguageAndSendsNothing) {
    for (const auto& [language, notice] : {std::pair{"0", IDD_NOTREADY_DE}, {"1", IDD_NOTREADY_EN}}) {
        SCOPED_TRACE(language);
        Session s(language);
        s.printer.condition.state = 3;
        s.h.advance(1s);
        s.main().click(IDC_APPLY);
        ASSERT_TRUE(s.h.has(notice));
        s.h.window(notice).enter();
        EXPECT_TRUE(s.sent().empty());
        EXPECT_TRUE(s.statusTimerRuns());
    }
}

TEST_F(PrinterSettings, ApplyOnAnUnpluggedPrinterSendsNothingSaysNothingAndKeepsPolling) {
    start();
    printer.faults.unplugged = true;
    main().click(IDC_APPLY);
    EXPECT_FALSE(h.messageBox());
    EXPECT_FALSE(h.has(IDD_TRANSFER_DE));
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(main().visible());
    EXPECT_TRUE(statusTimerRuns());

    printer.faults.unplugged = false;
    h.advance(3s);
    EXPECT_FALSE(h.messageBox());
    openMain();
    EXPECT_EQ(apply().size(), 3u) << "the settings reach the printer once it is back";
}

// What the clicks put into the edits shows in the words sent on Apply; here
// only which controls they leave usable.
TEST_F(PrinterSettings, ClicksEnableAndDisableTheControlsTheyGovern) {
    start();
    main().click(IDC_SECURE_FEED);
    main().click(IDC_SECURE_FEED);
    EXPECT_FALSE(main().itemEnabled(IDC_TOLERANCE_SPIN));

    main().click(IDC_OUTPUT_FRONT);
    EXPECT_TRUE(main().itemEnabled(IDC_DRYTIME_SPIN));
    main().click(IDC_OUTPUT_BACK);
    EXPECT_FALSE(main().itemEnabled(IDC_DRYTIME));

    main().click(IDC_SECURE_FEED);
    main().click(IDC_SENSOR_OFF);
    EXPECT_EQ(main().checked(IDC_SECURE_FEED), 0);
    EXPECT_FALSE(main().itemEnabled(IDC_SECURE_FEED) || main().itemEnabled(IDC_TOLERANCE));
    main().click(IDC_SENSOR_OFF);
    EXPECT_TRUE(main().itemEnabled(IDC_SECURE_FEED) && main().itemEnabled(IDC_TOLERANCE));
}

}  // namespace
