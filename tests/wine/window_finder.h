// Finding a program's top-level windows from outside the program. Only windows
// of the driver's own desktop can be seen, which is why the driver runs inside
// the program's Wine virtual desktop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "poll.h"

namespace e2e {

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string caption;    // UTF-8
    std::string className;  // "#32770" for dialogs and message boxes
    bool visible = false;
};

// The process's top-level windows in z-order, topmost first.
std::vector<WindowInfo> TopLevelWindows(DWORD processId);

// The first visible top-level window of the process whose caption is `caption`
// (UTF-8) and that passes `also`, if given; null when none appears in time.
HWND WaitForWindow(DWORD processId, const std::string& caption, DWORD timeoutMs = kDefaultTimeoutMs,
                   const std::function<bool(HWND)>& also = {});

// True when `hwnd` has been destroyed or hidden within the time.
bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs = kDefaultTimeoutMs);

}  // namespace e2e
