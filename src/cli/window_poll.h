// The tray window's last poll, as the tool beside it takes it instead of
// opening the printer the window watches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// The window polls once a second; a poll older than this means it has stopped
// for a while (a popup is open, the ready-wait or a download runs).
inline constexpr std::uint64_t kWindowPollingAgeMs = 2500;

struct WindowPoll {
    std::string devicePath;
    std::string deviceId;
    std::int64_t polledAtUtcMs = 0;
    std::uint64_t ageMs = 0;
};

// nullopt when no window of this session shares its polls.
std::optional<WindowPoll> LastWindowPoll();

// "2026-12-06T21:03:05Z"
std::string UtcText(std::int64_t utcMs);

}  // namespace cli
