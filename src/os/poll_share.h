// The main window's last status poll, shared read-only with the command-line
// tool of the same session, so that the tool can report the window's printer
// without opening it while the window watches it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

struct SharedPoll {
    std::string devicePath;  // at most 199 characters are kept
    std::string deviceId;    // at most 511 bytes are kept
    std::uint64_t tick = 0;  // TickCount() of the poll
    friend bool operator==(const SharedPoll&, const SharedPoll&) = default;
};

// The window's side, after each poll that read a device ID. The first call
// creates the shared copy, which lives until the process ends; when another
// process already holds the name, nothing is shared.
void SharePoll(const SharedPoll& poll);

// The tool's side: nullopt when no window of this session shares its polls.
std::optional<SharedPoll> ReadSharedPoll();

}  // namespace os
