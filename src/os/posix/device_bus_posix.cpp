#include "os/no_printer_bus.h"

namespace os {

// The USB printers of a POSIX machine come through a bus its tool installs
// (usblp on Linux); without one the machine has none.
DeviceBus& platformDeviceBus() {
    static NoPrinterBus bus;
    return bus;
}

}  // namespace os
