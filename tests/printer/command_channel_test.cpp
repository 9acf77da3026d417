// Queries and settings writes through the emulated bus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/emulated_bus_fixture.h"
#include "printer/command_channel.h"
#include "printer/commands.h"
#include "printer/setting_commands.h"

namespace {

using printer::QueryKind;
using printer::SendQuery;

class CommandChannel : public zevtest::EmulatedBusTest {};

TEST_F(CommandChannel, AWordQueryStoresTheLow16BitsOfTheAnswer) {
    struct Case { const char* answer; std::int32_t stored; };
    const Case cases[] = {{"16384", 16384}, {"70000", 4464}, {"0", 0}, {"-1", 65535}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        a1.faults.nextAnswer = c.answer;
        EXPECT_EQ(SendQuery(path(), printer::kQueryPaperHandling, QueryKind::Word), c.stored);
    }
}

TEST_F(CommandChannel, AnAnswerLongerThanOneReadLeavesTheLastChunkInFront) {
    struct Case { const char* name; QueryKind kind; std::string answer; std::int32_t value; };
    const Case cases[] = {
        // 13 + 2 bytes: "7 55555555555" is left, the blank ends the number.
        {"word", QueryKind::Word, "5555555555555" "7 ", 7},
        // 11 + 3 bytes: "-12" over "99999999999" leaves "-1299999999", 10 of them parsed.
        {"number", QueryKind::Number, "99999999999" "-12", -129999999},
        // Two full chunks and one byte: only the last read's byte is new.
        {"three reads", QueryKind::Number, "00000000000" "11111111111" "2", 2111111111},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a1.faults.nextAnswer = c.answer;
        EXPECT_EQ(SendQuery(path(), printer::kQueryLeftMargin, c.kind), c.value);
        EXPECT_EQ(a1.pendingAnswerBytes(), 0u);
    }
}

TEST_F(CommandChannel, NoAnswerGivesZero) {
    a1.settings.paperHandling = 0x6000;
    a1.faults.noAnswer = true;
    EXPECT_EQ(SendQuery(path(), printer::kQueryPaperHandling, QueryKind::Word), 0);
}

TEST_F(CommandChannel, AnOpenFailureWritesNothingAndReportsNoValue) {
    struct Case {
        const char* name;
        void (*fault)(emulator::EmulatedPrinter&);
    };
    const Case cases[] = {
        {"open fails", [](emulator::EmulatedPrinter& p) { p.faults.openFails = true; }},
        {"unplugged", [](emulator::EmulatedPrinter& p) { p.faults.unplugged = true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a1.faults = {};
        c.fault(a1);
        const auto before = h.now();
        EXPECT_EQ(SendQuery(path(), printer::kQueryPaperHandling, QueryKind::Word), std::nullopt);
        EXPECT_FALSE(printer::WriteSettings(path(), std::vector<std::string>{"ds2.set 70016,1;"}));
        EXPECT_EQ(h.now(), before) << "no wait without a device";
    }
    EXPECT_TRUE(bus.log().entries().empty());
    EXPECT_EQ(bus.openHandles(), 0u);
}

TEST_F(CommandChannel, AQueryWritesOneFrameWaits400msAndClosesTheDevice) {
    a1.settings.printOptions = 12;
    const auto before = h.now();
    EXPECT_EQ(SendQuery(path(), printer::kQueryPrintOptions, QueryKind::Word), 12);
    EXPECT_EQ(h.now() - before, 400u);
    EXPECT_EQ(bus.log().writesTo("A1"),
              std::vector<std::string>{"\x1b%Pds2.get 70017;udw.quit;\x1b" "E" "\x1b%-12345X"});
    EXPECT_EQ(bus.openHandles(), 0u);
}

TEST_F(CommandChannel, QueriesMatchTheDevicePathWithoutRegardToCase) {
    a1.settings.leftMargin = 595;
    std::string upper = path();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(SendQuery(upper, printer::kQueryLeftMargin, QueryKind::Number), 595);
}

TEST_F(CommandChannel, SettingsWritesComeOneFrameEach300msApartAndReachThePrinter) {
    const std::vector<std::string> commands = {
        printer::WordSettingCommand(printer::kSetPaperHandling, 0x2013),
        printer::WordSettingCommand(printer::kSetPrintOptions, 8),
        printer::MarginFlowCommand(printer::TopMarginPrinterValue(12.3), printer::LeftMarginPrinterValue(5.0)),
    };
    const auto before = h.now();
    ASSERT_TRUE(printer::WriteSettings(path(), commands));
    EXPECT_EQ(h.now() - before, 600u) << "two gaps, no wait after the last write";

    const auto& entries = bus.log().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].atMs - entries[0].atMs, 300u);
    EXPECT_EQ(entries[2].atMs - entries[1].atMs, 300u);
    EXPECT_EQ(bus.openHandles(), 0u);

    // Set, then get: what was written comes back through the queries.
    EXPECT_EQ(SendQuery(path(), printer::kQueryPaperHandling, QueryKind::Word), 0x2013);
    EXPECT_EQ(SendQuery(path(), printer::kQueryPrintOptions, QueryKind::Word), 8);
    EXPECT_EQ(SendQuery(path(), printer::kQueryTopMargin, QueryKind::Number), 1280);
    EXPECT_EQ(SendQuery(path(), printer::kQueryLeftMargin, QueryKind::Number), 500);
    EXPECT_TRUE(a1.valueStack().empty()) << "each margin query pops what it pushed";
}

TEST_F(CommandChannel, ButtonFramesGoOutOnTheCallersHandle) {
    auto device = os::deviceBus().open(path(), os::OpenMode::SharedWrite);
    ASSERT_TRUE(device);
    printer::SendCommand(*device, printer::FrameKind::ButtonTwoWrites, printer::kCleanNormal);
    EXPECT_EQ(bus.log().writesTo("A1"),
              (std::vector<std::string>{"\x1b%Puifp.multi_button_push 20;Exit;", "\x1b%-12345X"}));
    EXPECT_EQ(bus.openHandles(), 1u) << "closing is the caller's";
}

}  // namespace
