#include "os/no_printer_bus.h"

namespace os {

// The simulated PC has no printer attached unless a test installs a bus.
DeviceBus& platformDeviceBus() {
    static NoPrinterBus bus;
    return bus;
}

}  // namespace os
