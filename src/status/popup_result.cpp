#include "status/popup_result.h"

#include "ui/win_types.h"

namespace status {

namespace {

constexpr Texts kCannotCreate{"Dialogbox kann nicht erstellt werden!", "Dialog box could not be created!"};
constexpr Texts kCannotCreateSpaced{"Dialogbox kann nicht erstellt werden !", "Dialog box could not be created !"};

constexpr PopupOutcome Resume(bool rereadSettings = false) { return {true, rereadSettings, std::nullopt}; }
constexpr PopupOutcome StayStopped() { return {false, false, std::nullopt}; }
constexpr PopupOutcome Tell(std::string_view message) { return {false, false, message}; }

// The German carriage-stall popup's opener reports every result itself.
PopupOutcome GermanCarriageStallOutcome(int result) {
    switch (result) {
        case -1: return Tell("Dialog box kann nicht erstellt werden!");
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

std::string_view CreationFailureText(PopupKind kind, Language language) {
    switch (kind) {
        case PopupKind::IncompleteJob: return kCannotCreateSpaced.in(language);
        case PopupKind::InkLevel: return kCannotCreateSpaced.german;
        case PopupKind::LowInk: return kCannotCreate.german;
        case PopupKind::OutOfPaper:
            return language == Language::German ? kCannotCreateSpaced.german : kCannotCreate.english;
        case PopupKind::CarriageStall:
            return language == Language::German ? "Dialog box kann nicht erstellt werden!" : kCannotCreate.english;
        case PopupKind::Cover:
        case PopupKind::PaperJam:
        case PopupKind::PaperMotorStall:
        case PopupKind::PenFailure:
        case PopupKind::SevereHardError:
        case PopupKind::UnknownError: break;
    }
    return kCannotCreate.in(language);
}

PopupOutcome OutcomeOf(PopupKind kind, Language language, int result) {
    if (kind == PopupKind::CarriageStall && language == Language::German) return GermanCarriageStallOutcome(result);
    switch (result) {
        case -1: return Tell(CreationFailureText(kind, language));
        case ui::IDOK: return Resume(kind == PopupKind::InkLevel);
        case ui::IDCANCEL: return kind == PopupKind::Cover ? Resume() : StayStopped();
        default: return StayStopped();
    }
}

}  // namespace status
