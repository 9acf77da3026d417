#include "cli/window_poll.h"

#include <chrono>
#include <cstdio>

#include "os/clock.h"
#include "os/poll_share.h"

namespace cli {

std::optional<WindowPoll> LastWindowPoll() {
    std::optional<os::SharedPoll> shared = os::ReadSharedPoll();
    if (!shared) return std::nullopt;
    const std::uint64_t now = os::TickCount();
    // A tick from the future can only come from a damaged section; it counts as just now.
    const std::uint64_t age = now > shared->tick ? now - shared->tick : 0;
    return WindowPoll{std::move(shared->devicePath),
                      std::move(shared->deviceId),
                      os::UtcNowMs() - static_cast<std::int64_t>(age),
                      age};
}

std::string UtcText(std::int64_t utcMs) {
    using namespace std::chrono;
    const sys_time<milliseconds> instant{milliseconds(utcMs)};
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(instant - day)};
    char text[32];
    std::snprintf(text,
                  sizeof(text),
                  "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

}  // namespace cli
