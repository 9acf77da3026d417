#include "os/linux/stop_signals.h"

#include <signal.h>

namespace os::linux_usb {

namespace {

volatile sig_atomic_t g_stop = 0;

void requestStop(int) { g_stop = 1; }

}  // namespace

void StopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool StopRequested() { return g_stop != 0; }

}  // namespace os::linux_usb
