// The program-start dialog as the start-up pass shows it for a ready printer.
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "harness/app_harness.h"

namespace {

using namespace zevtest;

const std::string kPrinterName = "BRENLATO ZEV SERIAL NUMBER: A1 ;";

class StartDialog : public ::testing::Test {
protected:
    void SetUp() override { h.startApp(); }
    // Shows the start dialog the way the start-up pass does, for `language`.
    void show(const std::string& language) {
        h.onMainDialog([language](CStatusClientDlg& dlg) {
            dlg.m_strLanguage = language;
            dlg.SetDlgItemText(IDC_PRINTER_LIST, kPrinterName);
            dlg.ShowStartDialog();
        });
    }
    static std::vector<int> fullRun() {
        std::vector<int> positions(101);
        std::iota(positions.begin(), positions.end(), 0);
        return positions;
    }

    AppHarness h;
};

TEST_F(StartDialog, ItNamesThePrinterFillsItsBarAndClosesItselfAfterHalfASecond) {
    struct Case {
        const char* language;
        int templateId;
    } cases[] = {
        {"0", IDD_START_DE},
        {"1", IDD_START_EN},
    };
    for (const auto& c : cases) {
        show(c.language);
        ASSERT_TRUE(h.has(c.templateId)) << c.language;
        auto start = h.window(c.templateId);
        EXPECT_EQ(start.text(IDC_PRINTER_TEXT), kPrinterName);
        EXPECT_EQ(start.caption(), "BRENLATO ZEV Programmstart");
        EXPECT_EQ(start.timers(), std::vector<unsigned>{10000u});

        h.advance(499ms);
        ASSERT_TRUE(h.has(c.templateId)) << c.language;
        EXPECT_TRUE(start.raw().control(IDC_START_PROGRESS)->positionHistory.empty());
        h.advance(1ms);
        EXPECT_FALSE(h.has(c.templateId)) << c.language;
        EXPECT_FALSE(h.messageBox());
    }
}

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
