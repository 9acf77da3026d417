// A modal window that watches the printer by itself: once a second it reads
// the device ID on its own copy of the device path, makes sure the device is
// still a ZEV and hands the status value to the window, which decides whether
// the condition it shows has cleared. No device handle stays open between ticks.
#pragma once

#include <string>
#include <string_view>

#include "ui/black_on_white.h"

namespace status {

class WatchingDialog : public ui::BlackOnWhiteDialog {
public:
    static constexpr unsigned kWatchTimer = 2;
    static constexpr unsigned kWatchInterval = 1000;

    using BlackOnWhiteDialog::BlackOnWhiteDialog;

    // Set by the opener before the modal run.
    std::string m_strDevicePath;

    bool OnInitDialog() override;
    void OnTimer(unsigned id) override;

    // One watch cycle; also (re)starts the window's timer.
    void refresh();

protected:
    // The device still names a ZEV; runs before its status value is located.
    virtual void onIdentified() {}
    // The status value as far as it goes (empty when there is none); positions
    // past its end read as NUL.
    virtual void onStatusValue(std::string_view value) = 0;

    void closeWith(int result);
    void stopWatching() { KillTimer(kWatchTimer); }

private:
    // While one of this window's boxes is open its timer keeps firing; without
    // this guard every tick would stack one more box on top.
    void tell(std::string_view text, std::string_view caption);
    bool m_messageOpen = false;
};

}  // namespace status
