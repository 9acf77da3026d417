// Reading device IDs from the emulated bus.
#include <gtest/gtest.h>

#include <string>

#include "emulator/emulated_bus_fixture.h"
#include "printer/device_id.h"

namespace {

class ReadDeviceId : public zevtest::EmulatedBusTest {};

TEST_F(ReadDeviceId, KeepsAtMost511BytesAndStopsAtTheFirstZeroByte) {
    struct Case {
        const char* name;
        std::string raw;
        std::string expected;
    };
    const Case cases[] = {
        {"511 bytes", std::string(511, 'a'), std::string(511, 'a')},
        {"600 bytes", std::string(600, 'b'), std::string(511, 'b')},
        {"zero inside", std::string("MFG:brenlato;\0MDL:zev;", 22), "MFG:brenlato;"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a1.faults.rawId = c.raw;
        EXPECT_EQ(printer::ReadDeviceId(path()), c.expected);
    }
}

TEST_F(ReadDeviceId, FailsWhenTheDeviceCannotBeOpenedOrDoesNotAnswer) {
    struct Case {
        const char* name;
        void (*fault)(emulator::PrinterFaults&);
    };
    const Case cases[] = {
        {"unplugged", [](emulator::PrinterFaults& f) { f.unplugged = true; }},
        {"open fails", [](emulator::PrinterFaults& f) { f.openFails = true; }},
        {"request fails", [](emulator::PrinterFaults& f) { f.idFails = true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a1.faults = {};
        c.fault(a1.faults);
        EXPECT_EQ(printer::ReadDeviceId(path()), std::nullopt);
        EXPECT_EQ(bus.openHandles(), 0u);
    }
    EXPECT_EQ(printer::ReadDeviceId("\\\\?\\usb#vid_7a51&pid_6004#NOPE#{x}"), std::nullopt);
}

}  // namespace
