#include "printer/device_check.h"

#include "printer/device_id.h"
#include "printer/identity.h"

namespace printer {

std::optional<std::string> ReadZevDeviceId(const std::string& devicePath) {
    std::optional<std::string> deviceId = ReadDeviceId(devicePath);
    if (!deviceId || !IsZevPrinter(*deviceId)) return std::nullopt;
    return deviceId;
}

}  // namespace printer
