// The whole program on a simulated machine with emulated printers on its USB
// bus: the starting point of every scenario test.
#pragma once

#include <string>
#include <vector>

#include "emulator/emulated_bus.h"
#include "harness/harness.h"
#include "os/device_bus.h"

namespace zevtest {

class AppHarness : public Harness {
public:
    AppHarness() { os::setDeviceBus(&bus); }
    ~AppHarness() override;

    // A ready ZEV printer (state 0, idle, black pen 80 %, colour pen 60 %) unless changed.
    emulator::EmulatedPrinter& addPrinter(const std::string& serial = "A1") { return bus.addPrinter(serial); }
    emulator::EmulatedPrinter& printer(const std::string& serial = "A1") { return *bus.printer(serial); }
    // data.txt in the program directory, as the program reads it at start.
    void settingsFile(const std::string& content) { writeFile("C:\\ZEV\\data.txt", content); }
    std::optional<std::string> settingsFile() const { return readFile("C:\\ZEV\\data.txt"); }

    WindowView main() { return window(IDD_MAIN_WINDOW); }

    emulator::EmulatedBus bus;

private:
    static constexpr int IDD_MAIN_WINDOW = 102;
};

inline AppHarness::~AppHarness() {
    // The program must be gone before the bus it talks to.
    stopAll();
    os::setDeviceBus(nullptr);
}

}  // namespace zevtest
