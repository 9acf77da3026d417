// The message boxes of the interface walk and of the dialog device check with
// its identity test, as a program running on the headless backend shows them.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/emulated_bus_fixture.h"
#include "printer/device_check.h"
#include "printer/interface_walk.h"

namespace {

using Boxes = std::vector<std::string>;  // "text/caption"

class PrinterMessages : public zevtest::EmulatedBusTest {
protected:
    // Answers every box the program shows with OK.
    Boxes answerAll() {
        Boxes boxes;
        while (auto box = h.messageBox()) {
            EXPECT_EQ(box->messageType(), ui::MB_OK);
            boxes.push_back(box->messageText() + "/" + box->caption());
            box->answer(ui::IDOK);
        }
        return boxes;
    }
};

struct WalkCase {
    const char* name;
    std::function<void(emulator::EmulatedBus&)> setUp;
    printer::WalkEnd end;
    std::vector<std::string> visited;  // printer names in visiting order
    Boxes boxes;
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class WalkMessages : public PrinterMessages, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(WalkMessages, VisitsCandidatesAndReportsWhatTheWalkMeets) {
    const WalkCase& c = GetParam();
    bus.addPrinter("B2");
    bus.addPrinter("C3");
    c.setUp(bus);
    printer::WalkEnd end{};
    std::vector<std::string> visited;
    h.start([&] {
        end = printer::WalkPrinterInterfaces([&](const std::string& p) {
            for (const char* name : {"A1", "B2", "C3"}) {
                if (bus.printer(name)->interfacePath() == p) visited.push_back(name);
            }
        });
    });
    const Boxes boxes = answerAll();
    EXPECT_TRUE(h.primary().finished());
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(visited, c.visited);
    EXPECT_EQ(boxes, c.boxes);
}

void unplugAll(emulator::EmulatedBus& b) {
    for (const char* name : {"A1", "B2", "C3"}) b.printer(name)->faults.unplugged = true;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WalkMessages,
    ::testing::Values(
        WalkCase{"all", [](emulator::EmulatedBus&) {}, printer::WalkEnd::Completed, {"A1", "B2", "C3"}, {}},
        WalkCase{"none", unplugAll, printer::WalkEnd::NoInterface, {}, {}},
        WalkCase{"invalid_set",
                 [](emulator::EmulatedBus& b) { b.setInterfaceSetInvalid(true); },
                 printer::WalkEnd::NoInterface,
                 {},
                 {"invalid HANDLE/ERROR"}},
        WalkCase{"detail_fails",
                 [](emulator::EmulatedBus& b) { b.printer("B2")->faults.detailFails = true; },
                 printer::WalkEnd::DetailFailed,
                 {"A1"},
                 {"no interface detail data found/ERROR"}},
        WalkCase{"detail_too_large",
                 [](emulator::EmulatedBus& b) { b.printer("A1")->faults.detailTooLarge = true; },
                 printer::WalkEnd::Completed,
                 {"B2", "C3"},
                 {}},
        WalkCase{"not_candidates",
                 [](emulator::EmulatedBus& b) {
                     b.printer("A1")->identity.path = "\\\\?\\USB#VID_7A51&PID_6004#A1#{x}";
                     b.printer("C3")->identity.path = "\\\\?\\usb#vid_7a51&pid_6004#" + std::string(80, 'c') + "#{x}";
                 },
                 printer::WalkEnd::Completed,
                 {"B2"},
                 {}}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST_F(PrinterMessages, TheDeviceCheckPassesOnlyAReadableZev) {
    struct Case {
        const char* name;
        void (*setUp)(emulator::EmulatedPrinter&);
        bool accepted;
        Boxes boxes;
    };
    const Case cases[] = {
        {"ready", [](emulator::EmulatedPrinter&) {}, true, {}},
        {"id fails", [](emulator::EmulatedPrinter& p) { p.faults.idFails = true; }, false, {}},
        {"no model", [](emulator::EmulatedPrinter& p) { p.faults.rawId = "MFG:brenlato;S:0;"; }, false, {"fehler/tq"}},
        {"other maker", [](emulator::EmulatedPrinter& p) { p.identity.mfg = "acme"; }, false, {}},
    };
    // One program runs every case; each box is answered before the next case starts.
    std::vector<bool> accepted;
    std::vector<Boxes> shown;
    h.start([&] {
        for (const Case& c : cases) {
            a1.faults = {};
            a1.identity.mfg = "brenlato";
            c.setUp(a1);
            accepted.push_back(printer::ReadZevDeviceId(path()).has_value());
        }
    });
    const Boxes all = answerAll();
    ASSERT_EQ(accepted.size(), std::size(cases));
    Boxes expectedBoxes;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(accepted[i], cases[i].accepted);
        expectedBoxes.insert(expectedBoxes.end(), cases[i].boxes.begin(), cases[i].boxes.end());
    }
    EXPECT_EQ(all, expectedBoxes);
}

}  // namespace
