// Start-up of the program: single instance, the start values from data.txt and
// the main window's first state.
#include <gtest/gtest.h>

#include <tuple>

#include "harness/app_harness.h"

namespace {

using namespace zevtest;

constexpr const char* kMutexName = "KeinDoppelstart";
constexpr const char* kNotFoundDe = "KEIN BRENLATO ZEV GEFUNDEN !!!";
constexpr const char* kNotFoundEn = "NO BRENLATO ZEV FOUND !!!";

TEST(Startup, ASecondInstanceIsRefusedAndTheFirstRunsOn) {
    AppHarness h;
    h.startApp();
    h.removeFile(kDataFile);

    Instance& second = h.startApp();
    const ui::Window* box = second.backend().topWindow();
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->kind, ui::headless::WindowKind::MessageBox);
    EXPECT_EQ(std::tie(box->caption, box->text, box->type),
              std::tuple("Fehler!", "Die Anwendung wurde bereits gestartet!", ui::MB_OK | ui::MB_ICONSTOP));
    EXPECT_EQ(second.backend().trayIcons().size(), 1u) << "its own icon comes before the check";
    EXPECT_EQ(h.settingsFile(), "1 0") << "so does the missing data.txt";

    second.act([](HeadlessBackend& b) { b.answerMessageBox(*b.topWindow(), ui::IDOK); });
    EXPECT_TRUE(second.finished());
    EXPECT_TRUE(second.backend().trayIcons().empty()) << "no dead icon is left behind";

    EXPECT_EQ(h.trayIcons().size(), 1u);
    EXPECT_EQ(h.machine().mutexes.at(kMutexName), 1);
    h.openFromTray();
    EXPECT_TRUE(h.main().visible());
}

TEST(Startup, TheStartValuesComeFromDataTxt) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        const char* notFound;  // the status line, in the language read
        std::optional<std::string> fileAfter;
        const char* storedOnCancel;
    } cases[] = {
        {"missing", std::nullopt, kNotFoundDe, "1 0", "1 0"},
        {"popup off, English", "0 1", kNotFoundEn, "0 1", "1 1"},
        {"outside the format", "11 2", kNotFoundDe, "11 2", "1 0"},
    };
    for (const auto& c : cases) {
        AppHarness h;
        if (c.file) h.settingsFile(*c.file);
        h.startApp();
        EXPECT_EQ(h.main().text(IDC_STATUS_LINE), c.notFound) << c.name;
        EXPECT_EQ(h.settingsFile(), c.fileAfter) << c.name;
        // The option is reset until the first settings refresh reads the file again.
        h.openFromTray();
        h.main().click(ui::IDCANCEL);
        EXPECT_EQ(h.settingsFile(), c.storedOnCancel) << c.name;
    }
}

TEST(Startup, AProgramFolderThatCannotBeWrittenStillStartsWithDefaults) {
    AppHarness h;
    h.machine().commandLine = "\"C:\\Nowhere\\ZevStatus.exe\"";
    h.startApp();
    EXPECT_FALSE(h.primary().finished());
    EXPECT_EQ(h.main().text(IDC_STATUS_LINE), kNotFoundDe);
}

TEST(Startup, TheMainWindowStartsHiddenWithItsSettingsControlsPrepared) {
    AppHarness h;
    h.startApp();
    auto w = h.main();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(w.raw().icon, IDI_APP);
    EXPECT_FALSE(w.itemVisible(IDC_ONLINE_UPDATE)) << "nothing ever shows the update's button";

    for (int id : {IDC_PRINTER_LIST, IDC_TOLERANCE, IDC_TOLERANCE_SPIN, IDC_DRYTIME, IDC_DRYTIME_SPIN})
        EXPECT_FALSE(w.itemEnabled(id)) << id;
    struct Spin {
        int id;
        std::pair<int, int> range;
    } spins[] = {
        {IDC_TOLERANCE_SPIN, {0, 31}},
        {IDC_DRYTIME_SPIN, {0, 120}},
        {IDC_TOP_MARGIN_SPIN, {0, 345}},
        {IDC_LEFT_MARGIN_SPIN, {0, 595}},
    };
    for (const auto& s : spins) EXPECT_EQ(w.range(s.id), s.range) << s.id;
    EXPECT_EQ(std::pair(w.spinPos(IDC_TOP_MARGIN_SPIN), w.spinPos(IDC_LEFT_MARGIN_SPIN)), std::pair(0, 0));
    EXPECT_EQ(w.text(IDC_TOP_MARGIN) + " " + w.text(IDC_LEFT_MARGIN) + " " + w.text(IDC_DRYTIME), "0.0 0.0 0");
}

}  // namespace
