// Interface paths: which ones are printer candidates, and the path of a
// printer chosen from the list.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace printer {

inline constexpr std::size_t kMaxDevicePathChars = 199;
// The candidate test copies the interface path into a field of 100 bytes.
inline constexpr std::size_t kCandidatePathFieldSize = 100;

// The path names the ZEV's product ("pid_6004", lower case only) and fits the
// candidate field; a longer path is skipped rather than cut.
bool IsCandidatePath(std::string_view interfacePath);

// Pure: "\\?\usb#" + vendor/product part + "#" + SERIAL + "#{" + class part + "}",
// cut to 199 characters. The vendor/product part is the text after the first
// "usb#" of the path log up to the next "#", the class part the text after the
// first "#{" up to the next "}". nullopt when a part is missing or the serial
// is empty; `missingParts` counts the parts that call for a "fehler" message.
struct RebuiltPath {
    std::optional<std::string> path;
    int missingParts = 0;
};
RebuiltPath RebuildPathFromLog(std::string_view pathLog, std::string_view serial);

// The path log grows by the path of every printer a pass accepts, which is the
// same path every second while a printer is not ready. Only its first path is
// ever read, so a path it holds already is not appended again, and it stops
// growing at kMaxPathLogChars (far beyond the few printers a computer has).
inline constexpr std::size_t kMaxPathLogChars = 8192;
void AppendToPathLog(std::string& pathLog, std::string_view path);

// RebuildPathFromLog with one "fehler"/"tq" message per missing part.
std::optional<std::string> RebuildDevicePath(std::string_view pathLog, std::string_view serial);

}  // namespace printer
