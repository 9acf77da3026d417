// Start-up with printers attached: the start dialog comes from the discovery's
// start-up pass, and the settings reads follow when it has closed itself after
// half a second.
#include <gtest/gtest.h>

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

}  // namespace
