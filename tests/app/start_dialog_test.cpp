// The program-start dialog. With a printer attached it comes from the
// discovery's start-up pass, and the settings reads follow when it has closed
// itself after half a second; shown by hand, it covers a language that selects
// neither twin and a window that cannot open.
#include <gtest/gtest.h>

#include <tuple>

#include "harness/app_harness.h"

namespace {

using namespace zevtest;

TEST(StartDialogAtStart, AReadyPrinterGetsTheStartDialogOfTheLanguageThenTheFourSettingsReads) {
    struct Case {
        const char* file;
        int templateId;
    } cases[] = {
        {"1 0", IDD_START_DE},
        {"1 1", IDD_START_EN},
    };
    for (const auto& c : cases) {
        AppHarness h;
        h.addPrinter("A1");
        h.settingsFile(c.file);
        h.startApp();
        ASSERT_TRUE(h.has(c.templateId)) << c.file;
        auto start = h.window(c.templateId);
        EXPECT_EQ(start.caption(), "BRENLATO ZEV Programmstart");
        EXPECT_EQ(start.text(IDC_PRINTER_TEXT), "BRENLATO ZEV SERIAL NUMBER: A1 ;");

        h.advance(499ms);
        ASSERT_TRUE(h.has(c.templateId)) << c.file;
        EXPECT_TRUE(h.bus.log().writesTo("A1").empty()) << "nothing is asked before the dialog closes";
        EXPECT_TRUE(start.raw().control(IDC_START_PROGRESS)->positionHistory.empty()) << "the bar fills at the close";
        h.advance(1ms);
        EXPECT_FALSE(h.has(c.templateId)) << c.file;
        const std::vector<std::string> writes = h.bus.log().writesTo("A1");
        const char* queries[] = {
            "ds2.get 70016;",
            "ds2.get 70017;",
            "fm.push_value 49;fm.execute_keyword 10;fm.query_stack;fm.pop;",
            "fm.push_value 48;fm.execute_keyword 10;fm.query_stack;fm.pop;",
        };
        ASSERT_EQ(writes.size(), std::size(queries)) << c.file;
        for (std::size_t i = 0; i < writes.size(); ++i)
            EXPECT_NE(writes[i].find(queries[i]), std::string::npos) << c.file << ": " << queries[i];
    }
}

class StartDialog : public ::testing::Test {
protected:
    void SetUp() override { h.startApp(); }
    // Shows the start dialog the way the start-up pass does, for `language`.
    void show(const std::string& language) {
        h.onMainDialog([language](CStatusClientDlg& dlg) {
            dlg.m_strLanguage = language;
            dlg.ShowStartDialog();
        });
    }

    AppHarness h;
};

TEST_F(StartDialog, AnUnknownLanguageShowsNoStartDialog) {
    show("x");
    EXPECT_EQ(h.top().templateId(), IDD_MAIN);
}

TEST_F(StartDialog, ADialogThatCannotBeCreatedIsReportedInItsLanguage) {
    struct Case {
        const char* language;
        int templateId;
        const char* message;
    } cases[] = {
        {"0", IDD_START_DE, "Dialogbox kann nicht erstellt werden !"},
        {"1", IDD_START_EN, "Dialog box could not be created !"},
    };
    for (const auto& c : cases) {
        h.primary().backend().failTemplate(c.templateId);
        show(c.language);
        auto box = h.messageBox();
        ASSERT_TRUE(box) << c.language;
        EXPECT_EQ(std::tuple(box->caption(), box->messageText(), box->messageType()),
                  std::tuple("ZevStatus", c.message, ui::MB_OK));
        box->answer(ui::IDOK);
    }
}

}  // namespace
