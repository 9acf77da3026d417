// Misbehaviour a test or scenario can give an emulated printer.
#pragma once

#include <optional>
#include <string>

namespace emulator {

struct PrinterFaults {
    bool unplugged = false;                 // not listed; open handles stop working
    bool openFails = false;                 // listed, but every open fails
    bool idFails = false;                   // the device-ID request fails
    bool noAnswer = false;                  // queries are not answered
    bool garbageAnswers = false;            // queries are answered with bytes that are no number
    bool takesNoBytes = false;              // writes are refused: nothing is taken
    bool detailTooLarge = false;            // the walk cannot take its interface detail
    bool detailFails = false;               // fetching its interface detail fails
    std::optional<std::string> rawStatus;   // ";S:" value instead of the built one
    std::optional<std::string> rawId;       // the whole device ID instead of the built one
    std::optional<std::string> nextAnswer;  // replaces the answer of the next query
};

}  // namespace emulator
