#include "tray_area.h"

#include <algorithm>

#include "wide_text.h"

namespace e2e {
namespace {

constexpr int kIconBorder = 2;  // explorer's padding on each side of a small icon

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

// A named callback: a lambda has the wrong calling convention on i686.
BOOL CALLBACK AppendChild(HWND child, LPARAM out) {
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, AppendChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

}  // namespace

HWND Taskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

std::vector<POINT> NotificationIconPoints(int slots) {
    std::vector<POINT> points;
    const HWND taskbar = Taskbar();
    if (!taskbar) return points;

    for (HWND child : Children(taskbar)) {
        if (ClassOf(child) == L"__wine_tray_icon" && IsWindowVisible(child)) {
            RECT r{};
            GetWindowRect(child, &r);
            points.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
    }
    if (!points.empty()) {
        std::sort(points.begin(), points.end(), [](POINT a, POINT b) { return a.x > b.x; });
        return points;
    }

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
    std::string text = "Shell_TrayWnd at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                       std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "; children:";
    for (HWND child : Children(taskbar)) {
        GetWindowRect(child, &r);
        text += " " + ToUtf8(ClassOf(child)) + "@" + std::to_string(r.left) + "," + std::to_string(r.top);
    }
    return text;
}

}  // namespace e2e
