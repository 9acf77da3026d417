#include "status/printer_state.h"

#include <array>

namespace status {

namespace {

constexpr std::array<StateInfo, 14> kStates = {{
    {PrinterState::Ready, "", ""},
    {PrinterState::Printing, "drucken", "Printing"},
    {PrinterState::TurningOff, "Ausgeschaltet", "Turning OFF"},
    {PrinterState::PrintingInternalJob, "Druckt internen Druck Job.", "Printing internal print job"},
    {PrinterState::CancellingJob, "Druck Job wird gelöscht.", "Cancelling Print Job."},
    {PrinterState::DryTimeWait, "warten, Trocknungszeit", "Dry Time Wait."},
    {PrinterState::OutOfPaper, "Kein Papier", "Out of Paper"},
    {PrinterState::PaperJam, "Papierstau", "Paper Jam"},
    {PrinterState::CarriageStall, "Druckkopfschlitten blockiert", "Carriage Stall"},
    {PrinterState::PaperMotorStall, "Papier Motor blockiert", "Paper Motor Stall"},
    {PrinterState::PenFailure, "Druckkopffehler", "Pen Failure"},
    {PrinterState::SevereHardError, "Schwerwiegender Fehler", "Severe Hard Error"},
    {PrinterState::CleanOutTrayMissing, "Auswurf Tray fehlt", "Clean Out Tray is missing"},
    {PrinterState::UnknownError, "Unbekannter Fehler", "Unknown Error"},
}};

}  // namespace

std::optional<StateInfo> StateInfoOf(std::uint8_t code) {
    for (const StateInfo& info : kStates) {
        if (static_cast<std::uint8_t>(info.state) == code) return info;
    }
    return std::nullopt;
}

}  // namespace status
