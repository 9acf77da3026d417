// The emulated bus: listing, opening and the scenario's clock.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "emulator/emulated_bus.h"
#include "emulator/scenario.h"
#include "harness/harness.h"
#include "printer/device_id.h"
#include "status/status_field.h"

namespace {

using namespace std::chrono_literals;

class EmulatedBusTimeline : public ::testing::Test {
protected:
    ~EmulatedBusTimeline() override { os::setDeviceBus(nullptr); }

    // The state code A1 reports, or -1 when its ID cannot be read.
    int stateOf(const std::string& name) {
        const auto p = bus->printer(name);
        const auto id = printer::ReadDeviceId(p->interfacePath());
        return id ? status::decodeStatusField(*id).state : -1;
    }

    zevtest::Harness h;
    std::unique_ptr<emulator::EmulatedBus> bus;
};

TEST_F(EmulatedBusTimeline, ChangesHappenAtTheirTimesFromTheStart) {
    h.advance(3000ms);  // the program's clock does not start at the scenario's zero
    auto parsed = emulator::ParseScenario(
        "printer A1 state=2\nat 5 A1 state=14\nat 12.5 A1 state=0 cover=9\nat 20 A1 unplug\nat 25 A1 plug");
    ASSERT_TRUE(parsed.scenario) << parsed.error;
    bus = std::make_unique<emulator::EmulatedBus>(std::move(*parsed.scenario));
    os::setDeviceBus(bus.get());
    struct Step {
        std::chrono::milliseconds at;  // since the bus started
        int state;
        std::size_t listed;
    };
    const Step steps[] = {
        {0ms, 2, 1},
        {4999ms, 2, 1},
        {5000ms, 14, 1},
        {12499ms, 14, 1},
        {12500ms, 0, 1},
        {20000ms, -1, 0},
        {25000ms, 0, 1},
        {90000ms, 0, 1},
    };
    const auto zero = h.now();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.at.count());
        h.advance(std::chrono::milliseconds(zero + s.at.count() - h.now()));
        EXPECT_EQ(stateOf("A1"), s.state);
        EXPECT_EQ(bus->listPrinterInterfaces().interfaces.size(), s.listed);
    }
    EXPECT_EQ(bus->printer("A1")->condition.cover, 9);
}

}  // namespace
