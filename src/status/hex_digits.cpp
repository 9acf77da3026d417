#include "status/hex_digits.h"

namespace status {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::uint8_t HexNibble(char c) {
    const int v = digitValue(c);
    return static_cast<std::uint8_t>(v < 0 ? 0 : v);
}

std::uint32_t LeadingDigitsValue(std::string_view chars, unsigned base) {
    std::uint32_t value = 0;
    for (char c : chars) {
        const int d = digitValue(c);
        if (d < 0 || static_cast<unsigned>(d) >= base) break;
        value = value * base + static_cast<unsigned>(d);
    }
    return value;
}

}  // namespace status
