// The program-start dialog when the language selects neither twin or its window cannot open.
#include <gtest/gtest.h>

#include <tuple>

#include "harness/app_harness.h"

namespace {

using namespace zevtest;

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
