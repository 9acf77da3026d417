// The whole program on a simulated machine with emulated printers on its USB
// bus: the starting point of every scenario test.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/status_client_dlg.h"
#include "emulator/emulated_bus.h"
#include "harness/harness.h"
#include "os/device_bus.h"

namespace zevtest {

inline const std::string kDataFile = "C:\\ZEV\\data.txt";

class AppHarness : public Harness {
public:
    AppHarness() { os::setDeviceBus(&bus); }
    ~AppHarness() override;

    // A ready ZEV printer (state 0, idle, black pen 80 %, colour pen 60 %) unless changed.
    emulator::EmulatedPrinter& addPrinter(const std::string& serial = "A1") { return bus.addPrinter(serial); }
    emulator::EmulatedPrinter& printer(const std::string& serial = "A1") { return *bus.printer(serial); }
    // data.txt in the program directory, as the program reads it at start.
    void settingsFile(const std::string& content) { writeFile(kDataFile, content); }
    std::optional<std::string> settingsFile() const { return readFile(kDataFile); }

    WindowView main() { return window(IDD_MAIN); }
    // Right-click the icon and choose "ZEV Toolbox".
    void openFromTray() {
        trayMouse(ui::WM_RBUTTONDOWN);
        chooseMenu(ID_TRAY_TOOLBOX);
    }
    bool mainTimerRuns(unsigned id) {
        const std::vector<unsigned> timers = main().timers();
        return std::find(timers.begin(), timers.end(), id) != timers.end();
    }
    // "text/caption" of the open message box, answered with OK; "" when none is open.
    std::string answerBox() {
        std::optional<WindowView> box = messageBox();
        if (!box) return "";
        const std::string shown = box->messageText() + "/" + box->caption();
        box->answer(ui::IDOK);
        return shown;
    }

    emulator::EmulatedBus bus;
};

inline AppHarness::~AppHarness() {
    // The program must be gone before the bus it talks to.
    stopAll();
    os::setDeviceBus(nullptr);
}

}  // namespace zevtest
