#include "printer/decimal_text.h"

#include <cmath>
#include <limits>

namespace printer {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where the digits start: after leading blanks and one sign.
std::size_t digitsStart(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    return i;
}

}  // namespace

bool HoldsDecimalNumber(std::string_view text) {
    bool negative = false;
    const std::size_t i = digitsStart(text, negative);
    return i < text.size() && isDigit(text[i]);
}

std::int32_t ParseDecimalInt32(std::string_view text) {
    bool negative = false;
    std::size_t i = digitsStart(text, negative);

    constexpr std::int64_t kMaxMagnitude = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMaxMagnitude) magnitude = kMaxMagnitude;  // saturate, keep scanning
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace printer
