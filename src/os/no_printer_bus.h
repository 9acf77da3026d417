// A bus with no USB printer interface: what a machine without the Windows USB
// printer class offers until a real or emulated bus is installed.
#pragma once

#include "os/device_bus.h"

namespace os {

class NoPrinterBus final : public DeviceBus {
public:
    PrinterInterfaceList listPrinterInterfaces() override { return {}; }
    std::unique_ptr<DeviceHandle> open(const std::string&, OpenMode) override { return nullptr; }
};

}  // namespace os
