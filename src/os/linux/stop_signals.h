// SIGINT and SIGTERM as a stop request that the Linux tools poll. The handler
// is installed without SA_RESTART, so a sleep, or a wait on a device, that the
// signal interrupts ends at once and the tool sees the request.
#pragma once

namespace os::linux_usb {

void StopOnSignals();
bool StopRequested();

}  // namespace os::linux_usb
