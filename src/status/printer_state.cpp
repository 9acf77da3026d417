#include "status/printer_state.h"

#include <array>

namespace status {

namespace {

constexpr std::array<StateInfo, 14> kStates = {{
    {PrinterState::Ready, "Ready", "", ""},
    {PrinterState::Printing, "Printing", "drucken", "Printing"},
    {PrinterState::TurningOff, "TurningOff", "Ausgeschaltet", "Turning OFF"},
    {PrinterState::PrintingInternalJob, "PrintingInternalJob", "Druckt internen Druck Job.", "Printing internal print job"},
    {PrinterState::CancellingJob, "CancellingJob", "Druck Job wird gelöscht.", "Cancelling Print Job."},
    {PrinterState::DryTimeWait, "DryTimeWait", "warten, Trocknungszeit", "Dry Time Wait."},
    {PrinterState::OutOfPaper, "OutOfPaper", "Kein Papier", "Out of Paper"},
    {PrinterState::PaperJam, "PaperJam", "Papierstau", "Paper Jam"},
    {PrinterState::CarriageStall, "CarriageStall", "Druckkopfschlitten blockiert", "Carriage Stall"},
    {PrinterState::PaperMotorStall, "PaperMotorStall", "Papier Motor blockiert", "Paper Motor Stall"},
    {PrinterState::PenFailure, "PenFailure", "Druckkopffehler", "Pen Failure"},
    {PrinterState::SevereHardError, "SevereHardError", "Schwerwiegender Fehler", "Severe Hard Error"},
    {PrinterState::CleanOutTrayMissing, "CleanOutTrayMissing", "Auswurf Tray fehlt", "Clean Out Tray is missing"},
    {PrinterState::UnknownError, "UnknownError", "Unbekannter Fehler", "Unknown Error"},
}};

}  // namespace

std::span<const StateInfo> KnownStates() { return kStates; }

std::optional<StateInfo> StateInfoOf(std::uint8_t code) {
    for (const StateInfo& info : kStates) {
        if (static_cast<std::uint8_t>(info.state) == code) return info;
    }
    return std::nullopt;
}

}  // namespace status
