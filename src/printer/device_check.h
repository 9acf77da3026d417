// The identity half of a self-watching dialog's tick: read the device ID on the
// dialog's own copy of the device path and make sure it is still a ZEV.
#pragma once

#include <optional>
#include <string>

namespace printer {

// The device ID when it could be read and names a ZEV printer; nullopt ends the
// tick. A missing key shows "fehler"/"tq" and cancels nothing.
std::optional<std::string> ReadZevDeviceId(const std::string& devicePath);

}  // namespace printer
