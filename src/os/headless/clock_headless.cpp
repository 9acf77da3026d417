#include "os/clock.h"
#include "os/headless/machine.h"

namespace os {

namespace {
// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}
}  // namespace

std::uint64_t TickCount() { return headless::machine().now(); }

std::int64_t UtcNowMs() {
    const headless::Machine& m = headless::machine();
    return m.bootUtc * 1000 + static_cast<std::int64_t>(m.now());
}

// Blocks the simulated thread: the clock moves on, and nothing else runs meanwhile.
void Sleep(unsigned ms) { headless::machine().advance(ms); }

LocalTime ToLocalTime(std::int64_t utcSeconds) {
    const std::int64_t local = utcSeconds + headless::machine().utcOffsetMinutes * 60;
    std::int64_t days = local / 86400;
    std::int64_t secs = local % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    LocalTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(secs / 3600);
    t.minute = static_cast<int>(secs / 60 % 60);
    t.second = static_cast<int>(secs % 60);
    return t;
}

LocalTime GetLocalTime() {
    const auto& m = headless::machine();
    return ToLocalTime(m.bootUtc + static_cast<std::int64_t>(m.now() / 1000));
}

}  // namespace os
