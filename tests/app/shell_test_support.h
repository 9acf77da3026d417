// Helpers for the shell's scenario tests: the running program's main window
// object, and the user's way into the hidden window.
#pragma once

#include <functional>
#include <string>

#include "app/status_client_dlg.h"
#include "harness/app_harness.h"
#include "res/resource.h"

namespace shelltest {

inline CStatusClientDlg& MainDialog(zevtest::AppHarness& h) {
    return *static_cast<CStatusClientDlg*>(h.main().raw().dialog);
}

// Runs `work` on the program's thread, as a handler of the main window would.
inline void OnProgram(zevtest::AppHarness& h, std::function<void(CStatusClientDlg&)> work) {
    CStatusClientDlg& dlg = MainDialog(h);
    h.primary().act([&dlg, work = std::move(work)](zevtest::HeadlessBackend&) { work(dlg); });
}

// Right-click the icon and choose "ZEV Toolbox".
inline void OpenFromTray(zevtest::AppHarness& h) {
    h.trayMouse(ui::WM_RBUTTONDOWN);
    h.chooseMenu(ID_TRAY_TOOLBOX);
}

inline const std::string kDataFile = "C:\\ZEV\\data.txt";

}  // namespace shelltest
