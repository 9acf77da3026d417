// The emulated printer: its status field, its identity and what it does with
// the commands written to it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/emulated_printer.h"
#include "emulator/status_builder.h"
#include "printer/command_frame.h"
#include "printer/commands.h"
#include "printer/identity.h"
#include "printer/id_value.h"
#include "printer/setting_commands.h"
#include "status/status_field.h"

namespace {

using emulator::EmulatedPrinter;
using emulator::PenSlot;
using emulator::PrinterCondition;
using printer::FrameKind;

std::string frame(printer::FrameKind kind, std::string_view command) {
    std::string bytes;
    for (const auto& w : printer::FrameWrites(kind, command)) bytes += w;
    return bytes;
}

std::string drain(EmulatedPrinter& p) {
    std::string answer;
    std::uint8_t chunk[5];
    while (const std::size_t n = p.deliver(chunk)) answer.append(chunk, chunk + n);
    return answer;
}

// The answer to a query of the paper-handling setting.
std::string askPaperHandling(EmulatedPrinter& p) {
    p.receive(frame(FrameKind::Query, "ds2.get 70016;"), 0);
    return drain(p);
}

TEST(StatusBuilder, ItsValuesDecodeBackToTheConditionThatBuiltThem) {
    const PrinterCondition cases[] = {
        {},
        {0x0E, 0, 9, 0, {1, 8}, {2, 45}},
        {0x02, 15, 8, 1, {3, 100}, {2, 255}},
        {0xFF, 3, 1, 6, {0, 0}, {0, 0}},
        {0x15, 15, 0, 15, {63, 1}, {17, 99}},
    };
    for (const PrinterCondition& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        const std::string value = emulator::BuildStatusValue(c);
        EXPECT_EQ(value.size(), 43u);
        const auto s = status::decodeStatusField("MFG:brenlato;MDL:zev;S:" + value + ";");
        ASSERT_TRUE(s.valid) << value;
        EXPECT_EQ(s.state, c.state);
        EXPECT_EQ(s.activity, c.activity);
        EXPECT_EQ(s.coverReported, (c.cover & 8) != 0);
        EXPECT_EQ(s.coverOpen, (c.cover & 9) == 9);
        EXPECT_EQ(s.incompleteJob, (c.job & 1) != 0);
        EXPECT_EQ(static_cast<int>(s.pen1.kind), c.pen1.kind);
        EXPECT_EQ(s.pen1.level, c.pen1.level);
        EXPECT_EQ(static_cast<int>(s.pen2.kind), c.pen2.kind);
        EXPECT_EQ(s.pen2.level, c.pen2.level);
    }
}

TEST(EmulatedPrinter, ItsDeviceIdNamesAZevWithItsSerial) {
    EmulatedPrinter p("B2");
    const std::string id = p.deviceId();
    EXPECT_TRUE(id.starts_with("MFG:brenlato;MDL:zev;")) << id;
    EXPECT_EQ(printer::IdentityOf(id), printer::Identity::Zev);
    EXPECT_EQ(printer::ExtractIdValue(id, printer::kKeySerial).text, "B2");
    EXPECT_EQ(p.interfacePath(), "\\\\?\\usb#vid_7a51&pid_6004#B2#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}");

    p.identity.path = "\\\\?\\usb#elsewhere";
    p.faults.rawStatus = "short";
    EXPECT_EQ(p.interfacePath(), "\\\\?\\usb#elsewhere");
    EXPECT_NE(p.deviceId().find(";S:short;"), std::string::npos);
    p.faults.rawId = "MFG:x;";
    EXPECT_EQ(p.deviceId(), "MFG:x;");
}

TEST(EmulatedPrinter, SettingsSurviveASetThenGetAndTheMarginCommandSetsBothMargins) {
    EmulatedPrinter p("A1");
    p.receive(frame(FrameKind::Setting, "ds2.set 70016,24577;"), 0);
    p.receive(frame(FrameKind::Setting, "ds2.set 70017,65535;"), 0);
    EXPECT_TRUE(p.receive(frame(FrameKind::Setting, printer::MarginFlowCommand(1280, 500)), 0).empty());
    EXPECT_EQ(p.settings.printOptions, 65535);
    EXPECT_EQ(p.settings.topMargin, 1280);
    EXPECT_EQ(p.settings.leftMargin, 500);
    EXPECT_TRUE(p.valueStack().empty());
    EXPECT_EQ(askPaperHandling(p), "24577");
}

TEST(EmulatedPrinter, MalformedCommandsAreNotedAndChangeNothing) {
    struct Case {
        const char* name;
        std::string command;
        std::string note;
    };
    const Case cases[] = {
        {"flow without its 1", "fm.push_value 7;fm.push_value 8;fm.push_value 2;fm.flow 225;",
         "flow 225 without its closing 1"},
        {"flow on a short stack", "fm.push_value 7;fm.flow 225;fm.pop;", "flow 225 needs three values"},
        {"pop on empty", "fm.pop;", "pop on an empty stack"},
        {"unknown setting", "ds2.get 70099;", "ignored command ds2.get 70099"},
        {"set without value", "ds2.set 70016;", "ignored command ds2.set 70016"},
        {"set overflowing", "ds2.set 70016,99999999999;", "ignored command ds2.set 70016,99999999999"},
        {"unknown button", "uifp.multi_button_push 9;", "ignored command uifp.multi_button_push 9"},
        {"gibberish", "hello\x01;", "ignored command hello\\x01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmulatedPrinter p("A1");
        const auto before = p.settings;
        const auto notes = p.receive(frame(FrameKind::Setting, c.command), 0);
        ASSERT_FALSE(notes.empty());
        EXPECT_EQ(notes.front(), c.note);
        EXPECT_EQ(p.settings, before);
        EXPECT_EQ(p.condition, PrinterCondition{});
        EXPECT_EQ(drain(p), "");
    }
}

TEST(EmulatedPrinter, ButtonsStartTimedInternalJobs) {
    struct Case {
        std::string_view command;
        std::uint64_t busyMs;
    };
    const Case cases[] = {
        {printer::kCleanNormal, emulator::kCleanNormalMs},
        {printer::kCleanMedium, emulator::kCleanMediumMs},
        {printer::kCleanSuper, emulator::kCleanSuperMs},
        {printer::kAlignPens, emulator::kAlignmentPageMs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command));
        EmulatedPrinter p("A1");
        const auto kind = c.command == printer::kAlignPens ? FrameKind::ButtonOneWrite
                                                           : FrameKind::ButtonTwoWrites;
        for (const auto& w : printer::FrameWrites(kind, c.command)) EXPECT_TRUE(p.receive(w, 1000).empty());
        EXPECT_EQ(p.condition.state, 4);
        EXPECT_EQ(p.condition.activity, 15);
        p.advance(1000 + c.busyMs - 1);
        EXPECT_EQ(p.condition.state, 4);
        p.advance(1000 + c.busyMs);
        EXPECT_EQ(p.condition.state, 0);
        EXPECT_EQ(p.condition.activity, 0);
    }
}

TEST(EmulatedPrinter, AButtonOnABusyPrinterIsIgnoredAndAScenarioChangeDuringAJobWins) {
    EmulatedPrinter p("A1");
    const std::string align = frame(FrameKind::ButtonOneWrite, printer::kAlignPens);
    p.condition.state = 14;
    EXPECT_EQ(p.receive(align, 0), std::vector<std::string>{"button 3 ignored: printer not ready"});
    EXPECT_EQ(p.condition.state, 14);

    p.condition.state = 0;
    p.receive(align, 0);
    p.condition.state = 14;  // paper jam while aligning
    p.advance(emulator::kAlignmentPageMs);
    EXPECT_EQ(p.condition.state, 14);
    EXPECT_FALSE(p.busyWithInternalJob());
}

TEST(EmulatedPrinter, ResetAndCancelPrint) {
    struct Case {
        std::uint8_t stateBefore, stateAfter;
    };
    const Case cases[] = {{9, 0}, {2, 0}, {14, 14}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.stateBefore));
        EmulatedPrinter p("A1");
        p.condition.state = c.stateBefore;
        const std::string cancel(printer::kCancelPrintBytes.begin(), printer::kCancelPrintBytes.end());
        EXPECT_TRUE(p.receive(cancel, 0).empty()) << "the cancel sequence and its padding are understood";
        EXPECT_EQ(p.condition.state, c.stateAfter);
        EXPECT_EQ(p.cancelledJobs(), 1);
    }
    EmulatedPrinter p("A1");
    EXPECT_TRUE(p.receive(frame(FrameKind::Reset, printer::kResetCalibration), 0).empty());
    EXPECT_EQ(p.calibrationResets(), 1);
}

TEST(EmulatedPrinter, InjectedAnswersAndSilence) {
    EmulatedPrinter p("A1");
    p.faults.nextAnswer = "garbage";
    EXPECT_EQ(askPaperHandling(p), "garbage");
    EXPECT_EQ(askPaperHandling(p), "16384") << "an injected answer is used once";
    p.faults.noAnswer = true;
    EXPECT_EQ(askPaperHandling(p), "");
}

}  // namespace
