// Sending framed commands to a printer and reading back numeric answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "os/device_bus.h"
#include "printer/answer.h"
#include "printer/command_frame.h"

namespace printer {

inline constexpr unsigned kQueryAnswerWaitMs = 400;
inline constexpr unsigned kSettingsWriteGapMs = 300;
// A device that never stops delivering bytes must not hold the program
// forever; far more reads than any answer needs.
inline constexpr std::size_t kMaxAnswerReads = 1024;

// Opens `devicePath` exclusively, writes the query frame, waits 400 ms and reads
// the answer (always into the start of the buffer, until a read brings 0 bytes).
// The parsed value, or nullopt when the device cannot be opened; the caller
// then leaves its value unchanged. No answer at all gives 0.
std::optional<std::int32_t> SendQuery(const std::string& devicePath, std::string_view command, QueryKind kind);

// A query's value, and whether the answer held a number: a printer that never
// answers, or answers garbage, gives 0, which a caller that reports values must
// not mistake for a setting.
struct QueryResult {
    std::int32_t value = 0;
    bool holdsNumber = false;
};
// The same with the 400 ms pause left to `wait`, for callers that keep their own time.
std::optional<QueryResult> SendQueryWithWait(const std::string& devicePath, std::string_view command, QueryKind kind,
                                             const std::function<void(unsigned ms)>& wait);

// Writes one frame of `kind` on an open device; no answer is read.
void SendCommand(os::DeviceHandle& device, FrameKind kind, std::string_view command);

// The settings write: opens `devicePath` exclusively and writes one setting
// frame per command, 300 ms apart (no wait after the last). false, with
// nothing written, when the device cannot be opened.
bool WriteSettings(const std::string& devicePath, std::span<const std::string> commands);

}  // namespace printer
