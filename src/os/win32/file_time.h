// FILETIME (100 ns ticks since 1601-01-01 UTC) <-> seconds since 1970-01-01 UTC.
#pragma once

#include <cstdint>
#include <optional>

#include "os/win32/windows_api.h"

namespace os::win32 {

inline constexpr std::int64_t kTicksPerSecond = 10'000'000;
inline constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

// Tick counts above INT64_MAX do not occur for real files; clamp rather than wrap.
inline std::int64_t TicksOf(const FILETIME& ft) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return ticks > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(ticks);
}

inline std::int64_t UnixSecondsFromFileTime(const FILETIME& ft) {
    return TicksOf(ft) / kTicksPerSecond - kSecondsFrom1601To1970;
}

inline std::int64_t UnixMillisecondsFromFileTime(const FILETIME& ft) {
    return TicksOf(ft) / (kTicksPerSecond / 1000) - kSecondsFrom1601To1970 * 1000;
}

// nullopt for instants before 1601 or beyond what FILETIME can hold.
inline std::optional<FILETIME> FileTimeFromUnixSeconds(std::int64_t seconds) {
    constexpr std::int64_t kMaxSeconds = INT64_MAX / kTicksPerSecond - kSecondsFrom1601To1970;
    if (seconds < -kSecondsFrom1601To1970 || seconds > kMaxSeconds) return std::nullopt;
    const auto ticks = static_cast<std::uint64_t>((seconds + kSecondsFrom1601To1970) * kTicksPerSecond);
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

}  // namespace os::win32
