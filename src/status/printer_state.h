// The printer's state codes and their status-line texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace status {

enum class PrinterState : std::uint8_t {
    Ready = 0x00,
    Printing = 0x02,
    TurningOff = 0x03,
    PrintingInternalJob = 0x04,
    CancellingJob = 0x05,
    DryTimeWait = 0x07,
    OutOfPaper = 0x09,
    PaperJam = 0x0E,
    CarriageStall = 0x0F,
    PaperMotorStall = 0x10,
    PenFailure = 0x11,
    SevereHardError = 0x12,
    CleanOutTrayMissing = 0x15,
    UnknownError = 0xFF,
};

struct StateInfo {
    PrinterState state;
    std::string_view german;  // status-line text; empty for Ready
    std::string_view english;
};

// nullopt for a code without a name (6, 10, 11, 12, 26, ...).
std::optional<StateInfo> StateInfoOf(std::uint8_t code);

}  // namespace status
