#include "tray_area.h"

namespace e2e {
namespace {

constexpr int kIconBorder = 2;  // explorer's padding on each side of a small icon

}  // namespace

HWND Taskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::vector<POINT> NotificationIconPoints(int slots) {
    std::vector<POINT> points;
    const HWND taskbar = Taskbar();
    if (!taskbar) return points;

    RECT client{};
    GetClientRect(taskbar, &client);
    const int slot = GetSystemMetrics(SM_CXSMICON) + 2 * kIconBorder;
    for (int i = 0; i < slots; ++i) {
        POINT p{client.right - slot * i - slot / 2, (client.top + client.bottom) / 2};
        ClientToScreen(taskbar, &p);
        points.push_back(p);
    }
    return points;
}

std::string DescribeTaskbar() {
    const HWND taskbar = Taskbar();
    if (!taskbar) return "no Shell_TrayWnd window in this desktop";
    RECT r{};
    GetWindowRect(taskbar, &r);
    return "Shell_TrayWnd at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

}  // namespace e2e
