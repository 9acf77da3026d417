// Reading and operating the controls of another process's dialog, as a user
// would: every read has a time-out, so a program blocked in a long wait makes
// a test fail instead of hanging the driver.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class DialogProbe {
public:
    explicit DialogProbe(HWND dialog) : m_dialog(dialog) {}

    HWND hwnd() const { return m_dialog; }
    bool exists() const { return IsWindow(m_dialog) != 0; }
    bool visible() const { return IsWindowVisible(m_dialog) != 0; }

    // Control state; nullopt when the control does not exist or does not answer.
    std::optional<std::string> text(int id) const;

    // Input. Posted rather than sent, so an action that opens a modal window
    // does not block the driver; check its effect by polling.
    void click(int id) const;    // BM_CLICK on the control
    void command(int id) const;  // WM_COMMAND as a click would send it

private:
    HWND control(int id) const { return GetDlgItem(m_dialog, id); }
    HWND m_dialog;
};

// A window's text, asked with a time-out; nullopt when it does not answer.
std::optional<std::string> WindowText(HWND hwnd);
// The text of a message box, read from its static text control.
std::optional<std::string> MessageBoxText(HWND box);

}  // namespace e2e
