// What an emulated printer reports about itself in its status field.
#pragma once

#include <cstdint>

namespace emulator {

struct PenSlot {
    std::uint8_t kind = 0;   // 6 bits: 0 none, 1 black, 2 colour, 3 photo
    std::uint8_t level = 0;  // percent; values above 100 are passed on as they are

    friend bool operator==(const PenSlot&, const PenSlot&) = default;
};

struct PrinterCondition {
    std::uint8_t state = 0;     // state code
    std::uint8_t activity = 0;  // 4 bits: 0 idle, 15 busy printing
    std::uint8_t cover = 8;     // nibble: 8 = cover reported and closed, 9 = open
    std::uint8_t job = 0;       // nibble: bit 0 = a job was left incomplete
    PenSlot pen1{1, 80};
    PenSlot pen2{2, 60};

    friend bool operator==(const PrinterCondition&, const PrinterCondition&) = default;
};

}  // namespace emulator
