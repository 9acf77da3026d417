// The real main window with its start-up replaced by a short one: the user has
// picked a language and the ink-level popup option, the printer list shows a
// printer, and the next locate pass (one second after the start) finds
// whatever printer is attached. For scenarios that start from a running
// program without depending on the start-up pass.
#pragma once

#include <string>

#include "harness/harness.h"

namespace zevtest {

struct MainWindowPreset {
    std::string language = "0";  // "0" German, "1" English
    std::string printerText;     // the printer list's entry
    std::string inkPopup = "1";
};

// Starts the program with the preset main window as its primary instance.
Instance& startPresetMainWindow(Harness& h, const MainWindowPreset& preset);

// Delivers a command to the main window as its button (shown or hidden) would.
void sendCommand(WindowView window, int commandId);

}  // namespace zevtest
