#include "emulator/printer_change.h"

namespace emulator {

namespace {

void applyWord(PrinterFaults& faults, PrinterWord word) {
    switch (word) {
        case PrinterWord::Unplug: faults.unplugged = true; break;
        case PrinterWord::Plug: faults.unplugged = false; break;
        case PrinterWord::OpenFails: faults.openFails = true; break;
        case PrinterWord::IdFails: faults.idFails = true; break;
        case PrinterWord::NoAnswer: faults.noAnswer = true; break;
        case PrinterWord::GarbageAnswers: faults.garbageAnswers = true; break;
        case PrinterWord::TakesNoBytes: faults.takesNoBytes = true; break;
        case PrinterWord::DetailTooLarge: faults.detailTooLarge = true; break;
        case PrinterWord::DetailFails: faults.detailFails = true; break;
        case PrinterWord::Ok: faults = {}; break;
    }
}

template <typename T>
void assign(T& target, const std::optional<T>& value) {
    if (value) target = *value;
}

template <typename T>
void assign(std::optional<T>& target, const std::optional<T>& value) {
    if (value) target = *value;
}

}  // namespace

void ApplyChange(EmulatedPrinter& printer, const PrinterChange& change) {
    for (const PrinterWord word : change.words) applyWord(printer.faults, word);
    assign(printer.identity.mfg, change.mfg);
    assign(printer.identity.mdl, change.mdl);
    assign(printer.identity.serial, change.serial);
    assign(printer.identity.description, change.description);
    assign(printer.identity.vendorId, change.vendorId);
    assign(printer.identity.path, change.path);
    assign(printer.faults.rawStatus, change.rawStatus);
    assign(printer.faults.rawId, change.rawId);
    assign(printer.faults.nextAnswer, change.nextAnswer);
    assign(printer.condition.state, change.state);
    assign(printer.condition.activity, change.activity);
    assign(printer.condition.cover, change.cover);
    assign(printer.condition.job, change.job);
    assign(printer.condition.pen1, change.pen1);
    assign(printer.condition.pen2, change.pen2);
}

}  // namespace emulator
