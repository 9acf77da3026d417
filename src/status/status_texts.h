// The status monitor's texts in both languages: the status line, the pen
// labels, and the not-found and receiving notes of discovery. The state codes'
// own status-line texts live with the state table (printer_state.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/language.h"

namespace status {

using ui::Language;
using ui::LanguageOf;

struct Texts {
    std::string_view german;
    std::string_view english;

    std::string_view in(Language language) const { return language == Language::German ? german : english; }
};

// Status line.
inline constexpr Texts kCoverOpenText{"Obere Abdeckung offen", "Cover open"};
inline constexpr Texts kIncompleteJobText{"Nicht kompletter Druck Job", "Uncomplete Print Job"};
inline constexpr Texts kIdleText{"Leerlauf", "Idle"};
inline constexpr Texts kNotFoundText{"KEIN BRENLATO ZEV GEFUNDEN !!!", "NO BRENLATO ZEV FOUND !!!"};
inline constexpr Texts kReceivingText{"Empfange Daten ... Bitte warten ...", "Receiving Data ... Please wait ..."};

// Pen labels of the main window.
inline constexpr std::string_view kNoPenLabel = "- -";
inline constexpr Texts kPen1BlackLabel{"Schwarz", "(K) Black"};
inline constexpr Texts kPen1PhotoLabel{"Foto", "(KCM)Photo"};
inline constexpr Texts kPen2NoneLabel{kNoPenLabel, "- - No Pen"};
inline constexpr Texts kPen2ColourLabel{"Farbe", "(CMY)Colour"};

// Pen label of the low-ink warning.
inline constexpr Texts kLowInkBlackLabel{"Schwarz", "Black"};
inline constexpr Texts kLowInkPhotoLabel{"Foto", "Photo"};

// The status-line text of a state code; nullopt for Ready and for codes
// without a text (1, 6, 10, ...), which leave the line as it was.
std::optional<Texts> StateLineText(std::uint8_t state);

// Pen labels by kind; nullopt leaves the label unchanged.
std::optional<std::string_view> Pen1Label(unsigned kind, std::optional<Language> language);
std::optional<std::string_view> Pen2Label(unsigned kind, std::optional<Language> language);

}  // namespace status
