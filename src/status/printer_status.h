// The decoded ";S:" field of a printer's device ID.
#pragma once

#include <cstdint>

namespace status {

enum class PenKind : std::uint8_t {
    None = 0,
    Black = 1,   // K
    Colour = 2,  // CMY
    Photo = 3,   // KCM
    // Other 6-bit values have no name; they are kept as read.
};

struct PenStatus {
    PenKind kind = PenKind::None;  // 6 bits (29-24) of the pen word
    std::uint8_t level = 0;        // bits 7-0, percent, not clamped to 100
    // Fields of the word that are extracted but not interpreted.
    std::uint8_t bits31to30 = 0;
    std::uint8_t bits15to14 = 0;
    bool bit12 = false;
    bool bit11 = false;

    friend bool operator==(const PenStatus&, const PenStatus&) = default;
};

struct PrinterStatus {
    bool valid = false;
    bool coverReported = false;  // bit 3 of the cover nibble
    bool coverOpen = false;      // bit 0 of the cover nibble, only when reported
    bool incompleteJob = false;  // bit 0 of position 9
    std::uint8_t activity = 0;   // 4 bits: 0 idle, 15 busy printing
    std::uint8_t state = 0;      // the state code, see PrinterState
    PenStatus pen1;              // black or photo pen
    PenStatus pen2;              // colour pen

    friend bool operator==(const PrinterStatus&, const PrinterStatus&) = default;
};

}  // namespace status
