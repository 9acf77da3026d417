#include "status/popup_result.h"

#include "ui/creation_failure_texts.h"
#include "ui/win_types.h"

namespace status {

namespace {

using ui::kCannotCreateDe;
using ui::kCannotCreateDeSpaced;
using ui::kCannotCreateDeSplit;
using ui::kCannotCreateEn;

constexpr PopupOutcome Resume(bool rereadSettings = false) { return {true, rereadSettings, std::nullopt}; }
constexpr PopupOutcome StayStopped() { return {false, false, std::nullopt}; }
constexpr PopupOutcome Tell(std::string_view message) { return {false, false, message}; }

// The German carriage-stall popup's opener reports every result itself, in
// words its long-time users recognise and support staff ask for. deliberate(D1)
PopupOutcome GermanCarriageStallOutcome(int result) {
    switch (result) {
        case -1: return Tell(kCannotCreateDeSplit);
        case ui::IDOK: return Resume();
        case ui::IDCANCEL: return Tell("IDCANCEL!");
        case ui::IDABORT: return Tell("IDABORT!");
        default: return Tell("default!");
    }
}

}  // namespace

std::optional<PopupKind> PopupForState(std::uint8_t state) {
    switch (state) {
        case 0x09: return PopupKind::OutOfPaper;
        case 0x0E: return PopupKind::PaperJam;
        case 0x0F: return PopupKind::CarriageStall;
        case 0x10: return PopupKind::PaperMotorStall;
        case 0x11: return PopupKind::PenFailure;
        case 0x12: return PopupKind::SevereHardError;
        case 0xFF: return PopupKind::UnknownError;
        default: return std::nullopt;
    }
}

// deliberate(D6)
std::string_view CreationFailureText(PopupKind kind, Language language) {
    switch (kind) {
        case PopupKind::IncompleteJob: return ui::CannotCreateSpaced(language);
        case PopupKind::InkLevel: return kCannotCreateDeSpaced;
        case PopupKind::LowInk: return kCannotCreateDe;
        case PopupKind::OutOfPaper: return language == Language::German ? kCannotCreateDeSpaced : kCannotCreateEn;
        case PopupKind::CarriageStall: return language == Language::German ? kCannotCreateDeSplit : kCannotCreateEn;
        case PopupKind::Cover:
        case PopupKind::PaperJam:
        case PopupKind::PaperMotorStall:
        case PopupKind::PenFailure:
        case PopupKind::SevereHardError:
        case PopupKind::UnknownError: break;
    }
    return ui::CannotCreate(language);
}

PopupOutcome OutcomeOf(PopupKind kind, Language language, int result) {
    if (kind == PopupKind::CarriageStall && language == Language::German) return GermanCarriageStallOutcome(result);
    switch (result) {
        case -1: return Tell(CreationFailureText(kind, language));
        case ui::IDOK: return Resume(kind == PopupKind::InkLevel);
        // Closing a popup by hand means "leave me alone": polling stays off
        // until the user starts something. An open cover is the exception,
        // since closing it is the cure. deliberate(D7)
        case ui::IDCANCEL: return kind == PopupKind::Cover ? Resume() : StayStopped();
        default: return StayStopped();
    }
}

}  // namespace status
