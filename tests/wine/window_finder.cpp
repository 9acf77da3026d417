#include "window_finder.h"

#include "wide_text.h"

namespace e2e {
namespace {

std::string Caption(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

std::string ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return ToUtf8(name);
}

struct Collect {
    DWORD processId;
    std::vector<WindowInfo>* out;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* c = reinterpret_cast<Collect*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == c->processId) c->out->push_back({hwnd, Caption(hwnd), ClassName(hwnd), IsWindowVisible(hwnd) != 0});
    return TRUE;
}

}  // namespace

std::vector<WindowInfo> TopLevelWindows(DWORD processId) {
    std::vector<WindowInfo> windows;
    Collect c{processId, &windows};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&c));
    return windows;
}

HWND WaitForWindow(DWORD processId, const std::string& caption, DWORD timeoutMs,
                   const std::function<bool(HWND)>& also) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            for (const WindowInfo& w : TopLevelWindows(processId)) {
                if (w.visible && w.caption == caption && (!also || also(w.hwnd))) {
                    found = w.hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs) {
    return PollUntil([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeoutMs);
}

}  // namespace e2e
