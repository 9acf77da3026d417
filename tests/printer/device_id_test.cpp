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

}  // namespace
