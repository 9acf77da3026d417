// Time as the program sees it: a millisecond tick for timers, Sleep that blocks
// the calling thread, and the local calendar time.
#pragma once

#include <cstdint>

namespace os {

std::uint64_t TickCount();  // milliseconds since an arbitrary start, the same in every process
std::int64_t UtcNowMs();    // milliseconds since 1970-01-01 UTC
void Sleep(unsigned ms);    // blocks the thread; no window message is handled meanwhile

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime GetLocalTime();
// Local calendar time of a UTC instant (seconds since 1970), as the file times are shown.
LocalTime ToLocalTime(std::int64_t utcSeconds);

}  // namespace os
