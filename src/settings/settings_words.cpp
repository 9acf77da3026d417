#include "settings/settings_words.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "printer/decimal_text.h"

namespace settings {

namespace {

constexpr int kToleranceShift = 1;
constexpr int kDryTimeShift = 6;

std::uint16_t withField(std::uint16_t word, std::uint16_t mask, int shift, int value) {
    const auto field = static_cast<std::uint16_t>((static_cast<std::uint32_t>(value) << shift) & mask);
    return static_cast<std::uint16_t>((word & ~mask) | field);
}

}  // namespace

int ToleranceTenths(std::uint16_t paperHandling) { return (paperHandling & kToleranceMask) >> kToleranceShift; }

int DryTimeSeconds(std::uint16_t paperHandling) { return (paperHandling & kDryTimeMask) >> kDryTimeShift; }

std::uint16_t WithTolerance(std::uint16_t paperHandling, int tenths) {
    return withField(paperHandling, kToleranceMask, kToleranceShift, tenths);
}

std::uint16_t WithDryTime(std::uint16_t paperHandling, int seconds) {
    return withField(paperHandling, kDryTimeMask, kDryTimeShift, seconds);
}

std::uint16_t WithBit(std::uint16_t word, std::uint16_t bit, bool set) {
    return static_cast<std::uint16_t>(set ? (word | bit) : (word & ~bit));
}

std::string OneDecimal(double value) {
    // Room for any double in this form, the largest being about 310 digits.
    char text[400];
    const int n = std::snprintf(text, sizeof text, "%2.1f", value);
    if (n < 0) return {};
    return std::string(text, static_cast<std::size_t>(n) < sizeof text ? static_cast<std::size_t>(n) : sizeof text - 1);
}

std::string TenthsText(int tenths) { return OneDecimal(tenths / 10.0); }

std::string TopMarginText(std::int32_t printerValue) {
    const std::uint32_t millimetresTimes100 =
        static_cast<std::uint32_t>(printerValue) - static_cast<std::uint32_t>(kTopMarginOffset);
    return OneDecimal(millimetresTimes100 / 100.0);
}

std::string LeftMarginText(std::int32_t printerValue) {
    return OneDecimal(static_cast<std::uint32_t>(printerValue) / 100.0);
}

double DecimalTextValue(std::string_view text) {
    const std::string terminated(text.substr(0, text.find('\0')));
    return std::strtod(terminated.c_str(), nullptr);
}

std::int32_t TenthsFromText(std::string_view text) { return printer::TruncateToInt32(DecimalTextValue(text) * 10.0); }

}  // namespace settings
