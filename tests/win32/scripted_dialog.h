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
    std::function<void(ScriptedDialog&, int, int)> onCommand;  // after recording; default handling when unset
    std::function<bool(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&)> onMessage;
    ui::CtlColor colour;
    int cursorForLink = 0;
    int icon = 0;
    bool hideGuard = false;

    std::vector<Command> commands;
    std::vector<Scroll> scrolls;
    std::vector<unsigned> sysCommands;
    std::vector<int> colourRequests;
    std::vector<int> cursorRequests;
    bool sawShowFlag = false;
    bool timedOut = false;

    bool OnInitDialog() override {
        SetTimer(kWatchdogTimer, 10000);
        if (onInit) onInit(*this);
        return true;
    }
    void OnTimer(unsigned id) override {
        if (id == kWatchdogTimer) {
            timedOut = true;
            EndDialog(kTimedOut);
        } else if (onTimer) {
            onTimer(*this, id);
        }
    }
    void OnCommand(int id, int code) override {
        commands.push_back({id, code});
        if (onCommand)
            onCommand(*this, id, code);
        else
            ui::Dialog::OnCommand(id, code);
    }
    bool OnSysCommand(unsigned cmd) override {
        sysCommands.push_back(cmd);
        return cmd < 0xF000;  // our own items; the system's go to the default handling
    }
    void OnScroll(int id, int code, int pos, bool horizontal) override {
        scrolls.push_back({id, code, pos, horizontal});
    }
    void OnWindowPosChanging(unsigned& flags) override {
        if (hideGuard) flags &= ~0x0040u;
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
    int IconResource() const override { return icon; }
};

}  // namespace w32test
