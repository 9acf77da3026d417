#include <time.h>

#include <cerrno>

#include "os/clock.h"

namespace os {

std::uint64_t TickCount() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

// A signal handled by the program ends the sleep early, so that a stop request
// is seen at once; the caller checks for it.
void Sleep(unsigned ms) {
    timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    ::nanosleep(&left, &left);
}

LocalTime ToLocalTime(std::int64_t utcSeconds) {
    const time_t seconds = static_cast<time_t>(utcSeconds);
    tm local{};
    ::localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

LocalTime GetLocalTime() { return ToLocalTime(static_cast<std::int64_t>(::time(nullptr))); }

}  // namespace os
