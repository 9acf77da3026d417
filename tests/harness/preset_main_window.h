// The real main window with its start-up replaced by a fixed state: a chosen
// language and an already found printer, with the status timer running. For
// scenarios that start from a running program without depending on discovery.
#pragma once

#include <string>

#include "harness/harness.h"

namespace zevtest {

struct MainWindowPreset {
    std::string language = "0";
    std::string devicePath;
    std::string printerText;  // the printer list's entry
};

// Starts the program with the preset main window as its primary instance.
Instance& startPresetMainWindow(Harness& h, MainWindowPreset preset);

// Delivers a command to the main window as its button (shown or hidden) would.
void sendCommand(WindowView window, int commandId);

}  // namespace zevtest
