// The USB printers of a Linux machine, through the usblp driver: listed from
// sysfs, opened as /dev/usb/lpN. The roots are parameters so that the same code
// runs against a prepared folder tree in the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>

#include "os/device_bus.h"

namespace os::linux_usb {

// The device-ID request on an open node: fills `answer` as LPIOC_GET_DEVICE_ID
// does (length prefix included); false when the request fails. The real one is
// a single ioctl; tests answer for their plain files instead.
using DeviceIdRequest = std::function<bool(int fd, std::span<std::uint8_t> answer)>;
bool IoctlDeviceIdRequest(int fd, std::span<std::uint8_t> answer);

struct UsblpRoots {
    std::filesystem::path sysfs = "/sys";        // holds class/usbmisc/lp*
    std::filesystem::path devices = "/dev/usb";  // holds the lp* nodes
};

// Whether the device ID the driver cached at probe time (the ieee1284_id
// attribute, without its line end) rules the printer out before it is opened.
// The bus knows nothing of printer makers; its user decides.
using CachedIdTest = std::function<bool(std::string_view cachedId)>;

// ZEV_SYSFS_ROOT and ZEV_USBLP_DIR override the defaults.
UsblpRoots RootsFromEnvironment();

class UsblpBus final : public DeviceBus {
public:
    UsblpBus(UsblpRoots roots, CachedIdTest rulesOut, DeviceIdRequest request = IoctlDeviceIdRequest);

    // Every lp node whose USB device has the ZEV's product id and whose cached
    // device ID is not ruled out, in the order of their numbers.
    PrinterInterfaceList listPrinterInterfaces() override;
    std::unique_ptr<DeviceHandle> open(const std::string& path, OpenMode mode) override;

private:
    UsblpRoots m_roots;
    CachedIdTest m_rulesOut;
    DeviceIdRequest m_request;
};

}  // namespace os::linux_usb
