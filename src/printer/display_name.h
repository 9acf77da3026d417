// The printer list's entry for a printer, and the serial number read back from it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace printer {

inline constexpr std::size_t kMaxDisplayNameChars = 2047;

// "%s %s Serial Number: %s ;" in upper case, e.g. "BRENLATO ZEV SERIAL NUMBER: A1 ;",
// cut to 2047 characters.
std::string DisplayName(std::string_view mfg, std::string_view mdl, std::string_view serial);

// Pure: the text after "NUMBER: " up to " ;". nullopt when either is missing
// or the serial is empty.
struct DisplaySerial {
    std::optional<std::string> serial;
    bool reportsFehler = false;  // "NUMBER: " missing or nothing after it
};
DisplaySerial SerialOfDisplayName(std::string_view displayName);

// SerialOfDisplayName with the "fehler"/"tq" message.
std::optional<std::string> SerialFromDisplayName(std::string_view displayName);

}  // namespace printer
