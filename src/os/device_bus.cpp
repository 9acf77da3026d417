#include "os/device_bus.h"

namespace os {

namespace {

DeviceBus* g_installedBus = nullptr;

}  // namespace

DeviceBus& deviceBus() { return g_installedBus ? *g_installedBus : platformDeviceBus(); }

void setDeviceBus(DeviceBus* bus) { g_installedBus = bus; }

}  // namespace os
