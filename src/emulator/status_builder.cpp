#include "emulator/status_builder.h"

#include <cstdint>

namespace emulator {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string hex(std::uint32_t value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kHexDigits[value & 15u];
    return text;
}

std::string penWord(const PenSlot& pen) { return hex((std::uint32_t{pen.kind} & 63u) << 24 | pen.level, 8); }

}  // namespace

std::string BuildStatusValue(const PrinterCondition& c) {
    std::string value;
    value.reserve(43);
    value += "03";                // 0: not interpreted, 1: format version
    value += hex(c.cover, 1);     // 2
    value += "000000";            // 3-8
    value += hex(c.job, 1);       // 9
    value += "0";                 // 10
    value += hex(c.activity, 1);  // 11
    value += "0000";              // 12-15
    value += hex(c.state, 2);     // 16-17
    value += "0";                 // 18
    value += penWord(c.pen1);     // 19-26
    value += penWord(c.pen2);     // 27-34
    value += "00000000";          // 35-42
    return value;
}

}  // namespace emulator
