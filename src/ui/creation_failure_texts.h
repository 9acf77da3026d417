// The plain message an opener shows when a window cannot be created. Its
// spelling differs between the openers, and each keeps the one its users know:
// every spelling lives here under a name that says how it differs, so a
// window's choice reads as a choice. deliberate(D6)
#pragma once

#include <string_view>

#include "ui/language.h"

namespace ui {

inline constexpr std::string_view kCannotCreateDe = "Dialogbox kann nicht erstellt werden!";
inline constexpr std::string_view kCannotCreateDeSpaced = "Dialogbox kann nicht erstellt werden !";
inline constexpr std::string_view kCannotCreateDeSplit = "Dialog box kann nicht erstellt werden!";
inline constexpr std::string_view kCannotCreateEn = "Dialog box could not be created!";
inline constexpr std::string_view kCannotCreateEnSpaced = "Dialog box could not be created !";

// The pair used by the main window's own openers (start dialog, maintenance, update check).
constexpr std::string_view CannotCreateSpaced(Language language) {
    return language == Language::German ? kCannotCreateDeSpaced : kCannotCreateEnSpaced;
}

// The pair used by the settings notices and most error popups.
constexpr std::string_view CannotCreate(Language language) {
    return language == Language::German ? kCannotCreateDe : kCannotCreateEn;
}

}  // namespace ui
