#include "os/device_bus.h"

namespace os {

namespace {

DeviceBus* g_installedBus = nullptr;

#ifndef _WIN32
// Outside Windows there is no USB printer class to list: the native build
// behaves like a PC with no printer attached unless a bus is installed.
class NoPrinterBus final : public DeviceBus {
public:
    PrinterInterfaceList listPrinterInterfaces() override { return {}; }
    std::unique_ptr<DeviceHandle> open(const std::string&, OpenMode) override { return nullptr; }
};
#endif

}  // namespace

#ifndef _WIN32
DeviceBus& platformDeviceBus() {
    static NoPrinterBus bus;
    return bus;
}
#endif

DeviceBus& deviceBus() { return g_installedBus ? *g_installedBus : platformDeviceBus(); }

void setDeviceBus(DeviceBus* bus) { g_installedBus = bus; }

}  // namespace os
