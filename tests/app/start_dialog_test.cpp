// The program-start dialog. With a printer attached it comes from the
// discovery's start-up pass, and the settings reads follow when it has closed
// itself after half a second.
#include <gtest/gtest.h>

#include <tuple>

#include "harness/app_harness.h"
#include "ui/app.h"
#include "ui/backend.h"

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

TEST(StartDialogAtStart, EnterFillsTheGermanBarButClosesOnlyTheEnglishDialog) {
    for (const auto& [file, templateId, closes] :
         {std::tuple{"1 0", IDD_START_DE, false}, {"1 1", IDD_START_EN, true}}) {
        AppHarness h;
        h.addPrinter("A1");
        h.settingsFile(file);
        h.startApp();
        ASSERT_TRUE(h.has(templateId)) << file;
        h.window(templateId).enter();
        EXPECT_EQ(h.has(templateId), !closes) << file;
        h.advance(500ms);
        EXPECT_EQ(h.bus.log().writesTo("A1").size(), closes ? 0u : 4u) << "only closing by itself reads the settings";
    }
}

TEST(StartDialogAtStart, ADialogThatCannotBeCreatedIsReportedInItsLanguage) {
    struct Case {
        const char* language;
        int templateId;
        const char* message;
    } cases[] = {
        {"0", IDD_START_DE, "Dialogbox kann nicht erstellt werden !"},
        {"1", IDD_START_EN, "Dialog box could not be created !"},
    };
    for (const auto& c : cases) {
        AppHarness h;
        h.addPrinter("A1");
        h.settingsFile(std::string("1 ") + c.language);
        h.start([templateId = c.templateId] {
            static_cast<HeadlessBackend&>(ui::backend()).failTemplate(templateId);
            const std::unique_ptr<ui::WinApp> app = ui::CreateApplication();
            app->m_pszAppName = "ZevStatus";
            ui::RunApplication(*app);
        });
        auto box = h.messageBox();
        ASSERT_TRUE(box) << c.language;
        EXPECT_EQ(std::tuple(box->caption(), box->messageText(), box->messageType()),
                  std::tuple("ZevStatus", c.message, ui::MB_OK));
        box->answer(ui::IDOK);
    }
}

}  // namespace
