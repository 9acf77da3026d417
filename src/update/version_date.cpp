#include "update/version_date.h"

#include <cstdio>

#include "os/clock.h"
#include "printer/decimal_text.h"

namespace update {

namespace {

constexpr std::size_t kDateChars = 8;

std::string_view field(std::string_view text, std::size_t pos, std::size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string_view{};
}

}  // namespace

VersionDate ParseDateText(std::string_view text) {
    text = text.substr(0, kDateChars);
    VersionDate date;
    date.day = printer::ParseDecimalInt32(field(text, 0, 2));
    date.month = printer::ParseDecimalInt32(field(text, 2, 2));
    date.year = printer::ParseDecimalInt32(field(text, 4, 4));
    return date;
}

std::string LocalDateText(std::int64_t utcSeconds) {
    const os::LocalTime t = os::ToLocalTime(utcSeconds);
    char text[32] = {};
    std::snprintf(text, sizeof text, "%02d%02d%04d", t.day, t.month, t.year);
    return std::string(text).substr(0, kDateChars);
}

bool IsNewer(const VersionDate& local, const VersionDate& remote) {
    if (local.year != remote.year) return local.year < remote.year;
    if (local.month != remote.month) return local.month < remote.month;
    return local.day < remote.day;
}

}  // namespace update
