// Decoding the ";S:" field of a device ID into a PrinterStatus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "status/printer_status.h"

namespace status {

// The value is examined in a zeroed 64-byte buffer: at most 63 characters.
inline constexpr std::size_t kStatusBufferSize = 64;
inline constexpr std::size_t kMaxStatusChars = kStatusBufferSize - 1;
inline constexpr std::size_t kMinValidStatusChars = 35;

// The value of ";S:" up to its ";". nullopt when the key is missing, nothing
// follows it or no ";" closes the value. A longer value is cut to its first
// 63 characters; every interpreted position lies within them.
std::optional<std::string> statusValue(std::string_view deviceId);

// All fields of the status value; an invalid record (everything zero) when
// there is no value, it is shorter than 35 characters or its version digit
// (position 1) is not 3.
PrinterStatus decodeStatusField(std::string_view deviceId);

// One pen word: 8 characters, an optional leading "0x" skipped, read as
// hexadecimal from the right.
PenStatus decodePenWord(std::string_view eightChars);

}  // namespace status
