#include "printer/device_id.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "os/device_bus.h"

namespace printer {

std::optional<std::string> ReadDeviceId(const std::string& devicePath) {
    const auto device = os::deviceBus().open(devicePath, os::OpenMode::SharedWrite);
    if (!device) return std::nullopt;
    std::array<std::uint8_t, kDeviceIdBufferSize> buffer{};
    std::size_t returned = 0;
    if (!device->requestDeviceId(std::span(buffer).first(kMaxDeviceIdBytes), returned)) return std::nullopt;
    const auto end = std::find(buffer.begin(), buffer.end(), std::uint8_t{0});
    return std::string(buffer.begin(), end);
}

}  // namespace printer
