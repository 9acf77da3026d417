#include "os/clock.h"

#include "os/win32/file_time.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {
LocalTime FromSystemTime(const SYSTEMTIME& st) {
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}
}  // namespace

std::uint64_t TickCount() { return ::GetTickCount64(); }

std::int64_t UtcNowMs() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return win32::UnixMillisecondsFromFileTime(now);
}

void Sleep(unsigned ms) { ::Sleep(ms); }

LocalTime GetLocalTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return FromSystemTime(st);
}

LocalTime ToLocalTime(std::int64_t utcSeconds) {
    const auto utc = win32::FileTimeFromUnixSeconds(utcSeconds);
    FILETIME local;
    SYSTEMTIME st;
    if (!utc || !::FileTimeToLocalFileTime(&*utc, &local) || !::FileTimeToSystemTime(&local, &st)) return {};
    return FromSystemTime(st);
}

}  // namespace os
