// The notification area of the Wine desktop's taskbar, seen from outside
// explorer, which owns it. Explorer keeps the icon records to itself, so the
// only way to tell which icon is whose is to click it and see whose menu opens.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The taskbar of the driver's desktop (class "Shell_TrayWnd"), or null.
HWND Taskbar();

// Screen points of the icons in the notification area, the first-added
// (rightmost) first: explorer draws them into the taskbar in slots of a small
// icon plus a border from its right end, `slots` of which are given.
std::vector<POINT> NotificationIconPoints(int slots);

// Where the taskbar is, for failure messages.
std::string DescribeTaskbar();

}  // namespace e2e
