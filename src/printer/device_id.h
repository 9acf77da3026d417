// Reading a printer's IEEE 1284 device ID.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace printer {

// The request's buffer is zeroed before every request and the printer may
// fill all but its last byte, so the text is always terminated.
inline constexpr std::size_t kDeviceIdBufferSize = 512;
inline constexpr std::size_t kMaxDeviceIdBytes = kDeviceIdBufferSize - 1;

// Opens `devicePath` in the shared write mode, sends the device-ID request and
// closes the device again. nullopt when the open or the request fails. The ID
// is the text from the buffer's first byte up to its first zero byte.
std::optional<std::string> ReadDeviceId(const std::string& devicePath);

}  // namespace printer
