// One line's worth of changes to an emulated printer, as a scenario gives it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "emulator/emulated_printer.h"

namespace emulator {

enum class PrinterWord {
    Unplug,          // no longer listed
    Plug,            // listed again
    OpenFails,       // listed, but opening it fails
    IdFails,         // the device-ID request fails
    NoAnswer,        // queries get no answer
    GarbageAnswers,  // queries get bytes that are no number
    TakesNoBytes,    // writes are not taken (a busy printer's stalled endpoint)
    DetailTooLarge,  // the walk cannot take its interface detail
    DetailFails,     // fetching its interface detail fails
    Ok,              // every fault cleared, raw texts included, and plugged in
};

struct PrinterChange {
    std::vector<PrinterWord> words;  // applied first, in order
    std::optional<std::string> mfg, mdl, serial, description, vendorId, path;
    std::optional<std::string> rawStatus, rawId, nextAnswer;
    std::optional<std::uint8_t> state, activity, cover, job;
    std::optional<PenSlot> pen1, pen2;
};

void ApplyChange(EmulatedPrinter& printer, const PrinterChange& change);

}  // namespace emulator
