// A simulated machine (virtual clock) with an emulated bus installed as the
// program's device bus and one printer, A1, on it.
#pragma once

#include <gtest/gtest.h>

#include "emulator/emulated_bus.h"
#include "harness/harness.h"
#include "os/device_bus.h"

namespace zevtest {

class EmulatedBusTest : public ::testing::Test {
protected:
    EmulatedBusTest() { os::setDeviceBus(&bus); }
    ~EmulatedBusTest() override { os::setDeviceBus(nullptr); }

    const std::string& path() const { return a1Path; }

    Harness h;  // first: the bus starts on the machine's clock
    emulator::EmulatedBus bus;
    emulator::EmulatedPrinter& a1 = bus.addPrinter("A1");
    const std::string a1Path = a1.interfacePath();
};

}  // namespace zevtest
