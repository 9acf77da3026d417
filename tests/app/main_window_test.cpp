// The main window as a frame: language flags, hiding instead of ending, links,
// system menu, about box, colours and the hand cursor.
#include <gtest/gtest.h>

#include <tuple>

#include "harness/app_harness.h"
#include "harness/preset_main_window.h"

namespace {

using namespace zevtest;

struct SwitchedText {
    int id;
    const char* german;
    const char* english;
};

// Written out here rather than taken from the program's table, so a wrong or
// missing entry there shows up.
const SwitchedText kSwitched[] = {
    {1019, "Standard", "Default"},
    {57670, "Hilfe", "Help"},
    {2, "Abbrechen", "Cancel"},
    {1027, "Handbuch", "Manual"},
    {1016, "OK", "OK"},
    {1020, "Drucker auswählen", "Select Printer"},
    {1021, "Treiber Online-Update", "Driver Online-Update"},
    {1002, "Secure Feed ein", "Secure feed on"},
    {1007, "hinten", "Back"},
    {1008, "vorne", "Front"},
    {1013, "aus", "off"},
    {1014, "ein", "on"},
    {1015, "aktivieren", "enable"},
    {1061, "Papiereinzug", "Paperfeed"},
    {1062, "Papierausgabe", "Paperdump"},
    {1065, "Auswurf", "Ejection"},
    {1063, "Trocknungszeit", "Dry Time"},
    {1064, "Sekunden", "seconds"},
    {1070, "Papierränder", "Alignment"},
    {1066, "oben Y", "top Y"},
    {1067, "links X", "left X"},
    {1068, "Auto-Alignment-Sensor ausschalten", "Auto-alignment off"},
    {1069, "Tintenbackup-Modus erlauben", "Allow ink backup mode"},
    {1073, "Momentaner Status", "Current Status"},
    {1081, "Tintenfüllstand", "Ink Levels"},
    {1082, "Druckkopf-Reinigung", "Pen-Cleaning"},
    {1048, "Ansicht aktualisieren", "Refresh Window"},
    {1117, "Druckkopf Kalibrierung", "Pen Calibration"},
};

const std::pair<int, const char*> kUntouched[] = {
    {IDC_HOMEPAGE, "Homepage"},
    {IDC_APPLY, "Übernehmen"},
    {IDC_CLEAN_NORMAL, "Normal"},
    {IDC_CLEAN_MEDIUM, "Medium"},
    {IDC_CLEAN_SUPER, "Super"},
    {IDC_CALIBRATE_START, "Start"},
    {IDC_CALIBRATE_RESET, "Reset"},
    {IDC_INKPOPUP_GROUP, "Inklevel Popup"},
    {IDC_TOLERANCE_LABEL, "Secure Feed Tolerance"},
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        h.startApp();
        h.openFromTray();
    }
    std::vector<os::headless::ShellCall>& shellCalls() { return h.machine().shellCalls; }

    AppHarness h;
};

TEST_F(MainWindow, TheEnglishFlagSwitchesExactlyTheListedTextsAndWritesDataTxt) {
    auto w = h.main();
    const std::string caption = w.caption();
    ASSERT_EQ(w.text(IDC_INK_GROUP), "Tintenstand");

    for (const bool english : {true, false}) {
        w.click(english ? IDC_FLAG_EN : IDC_FLAG_DE);
        for (const auto& t : kSwitched) EXPECT_EQ(w.text(t.id), english ? t.english : t.german) << t.id;
        for (const auto& [id, text] : kUntouched) EXPECT_EQ(w.text(id), text) << id;
        EXPECT_EQ(w.caption(), caption);
        EXPECT_EQ(h.settingsFile(), english ? "1 1" : "1 0");
    }
}

TEST_F(MainWindow, CancelEscAndTheCloseBoxHideTheWindowAndStoreTheChoices) {
    struct Case {
        const char* name;
        void (*act)(WindowView&);
    } cases[] = {
        {"Cancel", [](WindowView& w) { w.click(ui::IDCANCEL); }},
        {"Esc", [](WindowView& w) { w.escape(); }},
        {"close box", [](WindowView& w) { w.closeBox(); }},
    };
    h.main().click(IDC_FLAG_EN);
    for (int i = 0; i < 2; ++i) h.main().click(IDC_INKPOPUP_ENABLE);  // on, then off
    for (const auto& c : cases) {
        h.trayMouse(ui::WM_LBUTTONDBLCLK);
        ASSERT_TRUE(h.main().visible()) << c.name;
        h.removeFile(kDataFile);
        auto w = h.main();
        c.act(w);
        EXPECT_FALSE(h.main().visible()) << c.name;
        EXPECT_EQ(h.trayIcons().size(), 1u) << c.name;
        EXPECT_EQ(h.settingsFile(), "0 1") << c.name;
    }
}

TEST_F(MainWindow, EnterKeepsTheWindowAndMinimiseHidesItUntilTheIconBringsItBack) {
    h.main().enter();
    EXPECT_TRUE(h.main().visible());
    h.main().sysCommand(ui::SC_MINIMIZE);
    EXPECT_FALSE(h.main().visible());
    EXPECT_FALSE(h.main().iconic()) << "no minimised task-bar entry is left";
    h.trayMouse(ui::WM_LBUTTONDBLCLK);
    EXPECT_TRUE(h.main().visible());
    EXPECT_FALSE(h.main().iconic());
}

TEST_F(MainWindow, HelpManualAndHomepageOpenTheDocumentOfTheLanguage) {
    struct Case {
        const char* language;
        int command;
        const char* target;
    } cases[] = {
        {"0", ID_HELP, "C:\\ZEV\\zev_help_de.chm"},
        {"1", ID_HELP, "C:\\ZEV\\zev_help_en.chm"},
        {"0", IDC_MANUAL, "C:\\ZEV\\Manual_ZEV_aktuell.pdf"},
        {"1", IDC_MANUAL, "C:\\ZEV\\Manual_ZEV_aktuell_Englisch.pdf"},
        {"0", IDC_HOMEPAGE, "https://www.brenlato.example/de/"},
        {"1", IDC_HOMEPAGE, "https://www.brenlato.example/en/"},
    };
    for (const auto& c : cases) {
        h.main().click(std::string(c.language) == "1" ? IDC_FLAG_EN : IDC_FLAG_DE);
        shellCalls().clear();
        // The help button is hidden: its command comes from the help key.
        sendCommand(h.main(), c.command);
        ASSERT_EQ(shellCalls().size(), 1u) << c.command;
        const auto& call = shellCalls()[0];
        EXPECT_EQ(std::tie(call.verb, call.file, call.parameters, call.directory, call.showCmd),
                  std::tuple("open", c.target, "", "", ui::SW_SHOW));
    }
}

TEST_F(MainWindow, TheSystemMenuItemOpensAModalAboutBoxWithTheSupportAddressAsAMailLink) {
    h.main().sysCommand(ID_SYSCMD_ABOUT | 0x7);  // the system's own low bits set
    ASSERT_TRUE(h.has(IDD_ABOUTBOX));
    auto about = h.window(IDD_ABOUTBOX);
    EXPECT_EQ(about.caption(), "Info über ZEV");
    EXPECT_FALSE(h.main().raw().enabled) << "the about box is modal";
    EXPECT_EQ(about.text(IDC_SUPPORT_LINK), "support@brenlato.example");
    const auto font = about.raw().control(IDC_SUPPORT_LINK)->font;
    ASSERT_TRUE(font);
    EXPECT_EQ(std::tie(font->underline, font->height, font->face), std::tuple(true, 8, "Ms Sans Serif"));
    EXPECT_EQ(about.colour(IDC_SUPPORT_LINK).text, 0xC80000u);
    EXPECT_EQ(about.colour(ui::IDOK).text, ui::kBlack);

    about.click(IDC_SUPPORT_LINK);
    ASSERT_EQ(shellCalls().size(), 1u);
    EXPECT_EQ(std::tie(shellCalls()[0].file, shellCalls()[0].showCmd),
              std::tuple("mailto:support@brenlato.example", ui::SW_SHOWNORMAL));

    auto& dlg = *about.raw().dialog;
    EXPECT_EQ(dlg.CursorFor(IDC_SUPPORT_LINK), IDC_CURSOR_HAND);
    EXPECT_EQ(dlg.CursorFor(ui::IDOK), IDC_CURSOR_HAND);
    EXPECT_EQ(dlg.CursorFor(-1), 0);
    ASSERT_TRUE(h.has(IDD_ABOUTBOX)) << "the link leaves the box open";
    about.enter();
    EXPECT_FALSE(h.has(IDD_ABOUTBOX));
    EXPECT_TRUE(h.main().visible());
}

}  // namespace
