// The windows the status poller opens, and what it does once one returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "status/status_texts.h"

namespace status {

enum class PopupKind {
    Cover,
    IncompleteJob,
    OutOfPaper,
    PaperJam,
    CarriageStall,
    PaperMotorStall,
    PenFailure,
    SevereHardError,
    UnknownError,
    InkLevel,
    LowInk,
};

// The error popup a state code opens; nullopt for the states that only
// change the status line (or nothing).
std::optional<PopupKind> PopupForState(std::uint8_t state);

// The plain message shown when the popup's window cannot be created. The
// blanks before "!" differ between popups and are kept as they are.
std::string_view CreationFailureText(PopupKind kind, Language language);

struct PopupOutcome {
    bool restartStatusTimer = false;
    bool rereadSettings = false;              // the ink-level popup may have changed data.txt
    std::optional<std::string_view> message;  // a plain message box
};

// `result` is the popup's modal result: -1 (not created), IDOK, IDCANCEL.
// Polling resumes after IDOK; after IDCANCEL it stays stopped (the user
// dismissed the condition) except for the cover popup.
PopupOutcome OutcomeOf(PopupKind kind, Language language, int result);

}  // namespace status
