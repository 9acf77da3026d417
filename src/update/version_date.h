// The dates the update check compares: an installed file's last-write date and
// the date a version file on the server gives, both as DDMMYYYY.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace update {

struct VersionDate {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;

    friend bool operator==(const VersionDate&, const VersionDate&) = default;
};

// The date in the first eight characters of `text` (DDMMYYYY). Each field is
// read as the C library's atoi reads it, so a short or damaged text gives 0
// for every field it lacks.
VersionDate ParseDateText(std::string_view text);

// The DDMMYYYY text of the local calendar date of a UTC instant (seconds).
std::string LocalDateText(std::int64_t utcSeconds);

// True when `remote` is strictly later than `local`: years first, then months,
// then days. An equal date is not newer.
bool IsNewer(const VersionDate& local, const VersionDate& remote);

}  // namespace update
