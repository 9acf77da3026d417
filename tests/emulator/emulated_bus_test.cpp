// The emulated bus: listing, opening and the scenario's clock.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "emulator/emulated_bus.h"
#include "emulator/scenario.h"
#include "harness/harness.h"
#include "printer/device_id.h"
#include "status/status_field.h"

namespace {

using namespace std::chrono_literals;

emulator::Scenario scenario(const char* text) {
    auto parsed = emulator::ParseScenario(text);
    EXPECT_TRUE(parsed.scenario) << parsed.error;
    return parsed.scenario ? std::move(*parsed.scenario) : emulator::Scenario{};
}

class EmulatedBusTimeline : public ::testing::Test {
protected:
    ~EmulatedBusTimeline() override { os::setDeviceBus(nullptr); }

    // The state code A1 reports, or -1 when its ID cannot be read.
    int stateOf(const std::string& name) {
        const auto p = bus->printer(name);
        const auto id = printer::ReadDeviceId(p->interfacePath());
        return id ? status::decodeStatusField(*id).state : -1;
    }

    void start(const char* text) {
        bus = std::make_unique<emulator::EmulatedBus>(scenario(text));
        os::setDeviceBus(bus.get());
    }

    zevtest::Harness h;
    std::unique_ptr<emulator::EmulatedBus> bus;
};

TEST_F(EmulatedBusTimeline, ChangesHappenAtTheirTimesFromTheStart) {
    h.advance(3000ms);  // the program's clock does not start at the scenario's zero
    start("printer A1 state=2\nat 5 A1 state=14\nat 12.5 A1 state=0 cover=9\nat 20 A1 unplug\nat 25 A1 plug");
    struct Step {
        std::chrono::milliseconds at;  // since the bus started
        int state;
        std::size_t listed;
    };
    const Step steps[] = {{0ms, 2, 1}, {4999ms, 2, 1}, {5000ms, 14, 1}, {12499ms, 14, 1},
                          {12500ms, 0, 1}, {20000ms, -1, 0}, {25000ms, 0, 1}, {90000ms, 0, 1}};
    const auto zero = h.now();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.at.count());
        h.advance(std::chrono::milliseconds(zero + s.at.count() - h.now()));
        EXPECT_EQ(stateOf("A1"), s.state);
        EXPECT_EQ(bus->listPrinterInterfaces().interfaces.size(), s.listed);
    }
    EXPECT_EQ(bus->printer("A1")->condition.cover, 9);
}

TEST_F(EmulatedBusTimeline, ALoopStartsOverFromThePrinterLines) {
    start("printer A1 state=0\nat 10 A1 state=14 open-fails\nloop 30");
    const int expected[] = {0, 14, 14, 0, 14, 0};
    const std::chrono::milliseconds times[] = {1000ms, 11000ms, 29999ms, 30000ms, 40000ms, 90500ms};
    for (std::size_t i = 0; i < std::size(times); ++i) {
        SCOPED_TRACE(times[i].count());
        h.advance(std::chrono::milliseconds(times[i].count() - static_cast<long>(h.now())));
        EXPECT_EQ(bus->printer("A1")->condition.state, expected[i]);
        EXPECT_EQ(bus->printer("A1")->faults.openFails, expected[i] == 14);
    }
}

TEST_F(EmulatedBusTimeline, AHandleStopsWorkingWhenItsPrinterIsUnplugged) {
    start("printer A1\nat 1 A1 unplug");
    auto device = bus->open(bus->printer("A1")->interfacePath(), os::OpenMode::ExclusiveReadWrite);
    ASSERT_TRUE(device);
    h.advance(1000ms);
    const std::string bytes = "\x1b%Pds2.get 70016;";
    EXPECT_EQ(device->write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}), 0u);
    std::uint8_t buffer[16];
    std::size_t returned = 99;
    EXPECT_FALSE(device->requestDeviceId(buffer, returned));
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(bus->openHandles(), 1u);
    device.reset();
    EXPECT_EQ(bus->openHandles(), 0u);
}

TEST_F(EmulatedBusTimeline, AWriteOnlyHandleCannotRead) {
    start("printer A1 answer=123");
    auto device = bus->open(bus->printer("A1")->interfacePath(), os::OpenMode::SharedWrite);
    ASSERT_TRUE(device);
    const std::string query = "\x1b%Pds2.get 70016;";
    device->write({reinterpret_cast<const std::uint8_t*>(query.data()), query.size()});
    std::uint8_t buffer[16];
    EXPECT_EQ(device->read(buffer), 0u);
}

TEST_F(EmulatedBusTimeline, ListsInterfacesInScenarioOrderWithTheirWalkOutcomes) {
    start("printer A1\nprinter B2 detail-too-large\nprinter C3 path=\"\\\\\\\\?\\\\other\"\nprinter D4 detail-fails\n"
          "printer E5");
    const auto list = bus->listPrinterInterfaces();
    ASSERT_EQ(list.status, os::PrinterInterfaceList::SetStatus::Listed);
    using Kind = os::PrinterInterface::Kind;
    ASSERT_EQ(list.interfaces.size(), 4u) << "nothing after a failing detail";
    EXPECT_EQ(list.interfaces[0].path, bus->printer("A1")->interfacePath());
    EXPECT_EQ(list.interfaces[1].kind, Kind::DetailTooLarge);
    EXPECT_EQ(list.interfaces[2].path, "\\\\?\\other");
    EXPECT_EQ(list.interfaces[3].kind, Kind::DetailUnavailable);
}

}  // namespace
