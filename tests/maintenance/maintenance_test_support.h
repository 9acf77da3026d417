// A running program with one emulated ZEV printer "A1" already current, for the
// maintenance scenarios.
#pragma once

#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "harness/preset_main_window.h"

namespace zevtest {

inline const std::string kEsc = "\x1b";
inline const std::string kUel = kEsc + "%-12345X";
inline const std::string kQueryTrailer = "udw.quit;" + kEsc + "E" + kUel;
inline const std::string kPrinterA1 = "BRENLATO ZEV SERIAL NUMBER: A1 ;";

struct MaintenanceWorld {
    explicit MaintenanceWorld(const std::string& language) {
        h.addPrinter("A1");
        startPresetMainWindow(h, {language, kPrinterA1});
        h.advance(1s);  // the first locate pass finds the printer
    }

    void press(int button) { sendCommand(h.main(), button); }
    // Presses `button`; returns the dialog it opened, after pressing START in it.
    WindowView open(int button) {
        press(button);
        return h.top();
    }
    WindowView start(int button) {
        WindowView dlg = open(button);
        dlg.click(ui::IDOK);
        return dlg;
    }
    emulator::EmulatedPrinter& printer() { return h.printer("A1"); }
    std::vector<std::string> writes() const { return h.bus.log().writesTo("A1"); }
    bool statusTimerRuns() { return h.mainTimerRuns(app::kStatusTimer); }

    AppHarness h;
};

}  // namespace zevtest
