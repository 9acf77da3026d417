// A dialog whose behaviour each test scripts with small callbacks, plus a
// watchdog so that a broken backend fails a test instead of hanging the run.
#pragma once

#include <functional>
#include <vector>

#include "ui/dialog.h"
#include "ui/win32/window.h"

namespace w32test {

inline constexpr unsigned kWatchdogTimer = 999;
inline constexpr int kTimedOut = -999;

struct Command {
    int id;
    int code;
    bool operator==(const Command&) const = default;
};

struct Scroll {
    int id;
    int code;
    int pos;
    bool horizontal;
    bool operator==(const Scroll&) const = default;
};

class ScriptedDialog : public ui::Dialog {
public:
    explicit ScriptedDialog(int templateId, ui::Dialog* parent = nullptr) : ui::Dialog(templateId, parent) {}

    HWND hwnd() const { return window() ? window()->handle() : nullptr; }
    HWND item(int id) const { return ::GetDlgItem(hwnd(), id); }

    std::function<void(ScriptedDialog&)> onInit;
    std::function<void(ScriptedDialog&, unsigned)> onTimer;
    std::function<bool(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&)> onMessage;
    ui::CtlColor colour;
    int cursorForLink = 0;

    std::vector<Command> commands;
    std::vector<Scroll> scrolls;
    std::vector<int> colourRequests;
    std::vector<int> cursorRequests;
    bool sawShowFlag = false;

    bool OnInitDialog() override {
        SetTimer(kWatchdogTimer, 10000);
        if (onInit) onInit(*this);
        return true;
    }
    void OnTimer(unsigned id) override {
        if (id == kWatchdogTimer) {
            EndDialog(kTimedOut);
        } else if (onTimer) {
            onTimer(*this, id);
        }
    }
    void OnCommand(int id, int code) override {
        commands.push_back({id, code});
        ui::Dialog::OnCommand(id, code);
    }
    void OnScroll(int id, int code, int pos, bool horizontal) override {
        scrolls.push_back({id, code, pos, horizontal});
    }
    void OnWindowPosChanging(unsigned& flags) override {
        if (flags & 0x0040u) sawShowFlag = true;
    }
    ui::CtlColor OnCtlColor(int ctrlId) override {
        colourRequests.push_back(ctrlId);
        return colour;
    }
    int CursorFor(int ctrlId) override {
        cursorRequests.push_back(ctrlId);
        return cursorForLink;
    }
    bool OnMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override {
        return onMessage && onMessage(msg, wParam, lParam, result);
    }
};

}  // namespace w32test
