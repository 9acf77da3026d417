// Reading scenario files.
#include <gtest/gtest.h>

#include <string>

#include "emulator/scenario.h"

namespace {

using emulator::ParseScenario;
using emulator::PrinterWord;

TEST(ParseScenario, ReadsPrintersAndTimedChanges) {
    const auto parsed = ParseScenario(
        "# one printer per line first, then timed changes\n"
        "printer A1 mfg=brenlato mdl=zev state=0 activity=0 pen1=1:80 pen2=2:60\n"
        "printer B2 state=2 activity=15 pen1=3:8 pen2=2:45 sn=\"b 2\" vid=00aF   # trailing comment\n"
        "\n"
        "at 12.5 A1 state=0 cover=9\n"
        "at 5 A1 state=0x0E\r\n"
        "at 20 A1 unplug\n"
        "at 25 A1 ok plug answer=\"\\e%x\\\\\\\"\\x00!\" status=\"\"\n"
        "loop 30");
    ASSERT_TRUE(parsed.scenario) << parsed.error;
    const auto& s = *parsed.scenario;
    ASSERT_EQ(s.printers.size(), 2u);
    EXPECT_EQ(s.printers[0].name, "A1");
    EXPECT_EQ(s.printers[0].setup.mfg, "brenlato");
    EXPECT_EQ(s.printers[0].setup.pen1, (emulator::PenSlot{1, 80}));
    EXPECT_EQ(s.printers[1].setup.serial, "b 2");
    EXPECT_EQ(s.printers[1].setup.vendorId, "00aF");
    EXPECT_EQ(s.printers[1].setup.state, 2);
    ASSERT_EQ(s.changes.size(), 4u);
    EXPECT_EQ(s.changes[0].atMs, 5000u) << "changes are put in time order";
    EXPECT_EQ(s.changes[0].change.state, 14);
    EXPECT_EQ(s.changes[1].atMs, 12500u);
    EXPECT_EQ(s.changes[1].change.cover, 9);
    EXPECT_EQ(s.changes[2].change.words, std::vector<PrinterWord>{PrinterWord::Unplug});
    EXPECT_EQ(s.changes[3].change.words, (std::vector<PrinterWord>{PrinterWord::Ok, PrinterWord::Plug}));
    EXPECT_EQ(s.changes[3].change.nextAnswer, std::string("\x1b%x\\\"\0!", 7));
    EXPECT_EQ(s.changes[3].change.rawStatus, "");
    EXPECT_EQ(s.loopMs, 30000u);
}

TEST(ParseScenario, ABadLineIsReportedWithItsNumber) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"printer A1 colour=red", "line 1: unknown key 'colour'"},
        {"printer A1\nprinter A1", "line 2: printer 'A1' defined twice"},
        {"printer A1\nat 5 B2 state=1", "line 2: unknown printer 'B2'"},
        {"printer A1 state=256", "line 1: state must be a number from 0 to 255, not '256'"},
        {"printer A1 cover=16", "line 1: cover must be a number from 0 to 15, not '16'"},
        {"printer A1 activity=-1", "line 1: activity must be a number from 0 to 15, not '-1'"},
        {"printer A1 pen1=80", "line 1: pen1 must be kind:level, not '80'"},
        {"printer A1 pen2=64:1", "line 1: pen2 kind must be a number from 0 to 63, not '64'"},
        {"printer A1 pen2=1:", "line 1: pen2 level must be a number from 0 to 255, not ''"},
        {"printer A1 vid=12345", "line 1: vid must be four hex digits, not '12345'"},
        {"printer A1 state=1 state=2", "line 1: key 'state' given twice"},
        {"printer A1 explode", "line 1: unknown word 'explode'"},
        {"printer A1\nat 5 A1", "line 2: at needs at least one change"},
        {"printer A1\nat soon A1 ok", "line 2: a time in seconds (up to three decimals) expected, not 'soon'"},
        {"printer A1\nat 1.2345 A1 ok", "line 2: a time in seconds (up to three decimals) expected, not '1.2345'"},
        {"printer A1\nat 5. A1 ok", "line 2: a time in seconds (up to three decimals) expected, not '5.'"},
        {"printer A1\nat 99999999 A1 ok", "line 2: a time in seconds (up to three decimals) expected, not '99999999'"},
        {"printer A1\nat 5 A1 ok\nprinter B2", "line 3: printer lines come before the timed changes"},
        {"printer A1 sn=\"open", "line 1: unterminated quoted value"},
        {"printer A1 sn=\"a\\q\"", "line 1: unknown escape \\q"},
        {"printer A1 sn=\"\\x4\"", "line 1: \\x needs two hex digits"},
        {"printer A1 sn=\"a\"b", "line 1: text after a quoted value"},
        {"printer A1 s\"n=1", "line 1: a quote may only start a value"},
        {"printer", "line 1: a printer name expected"},
        {"printer =x", "line 1: a value without its key"},
        {"printer \"A1\"", "line 1: a quote may only start a value"},
        {"hello", "line 1: unknown line kind 'hello'"},
        {"printer A1\nloop 0", "line 2: loop time must be above 0"},
        {"printer A1\nloop 5\nloop 6", "line 3: loop given twice"},
        {"printer A1\nat 60 A1 ok\nloop 60", "line 3: a change at or after the loop time would never happen"},
        {"printer A1\nloop 60\nat 61 A1 ok", "line 3: a change at or after the loop time would never happen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseScenario(c.text);
        EXPECT_FALSE(parsed.scenario);
        EXPECT_EQ(parsed.error, c.error);
    }
}

}  // namespace
