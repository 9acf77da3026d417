// data.txt in the program directory: the ink-level popup option and the
// language, as "<option> <language>" with no line end. Every reader and writer
// of the file goes through here so they all agree on what a valid file is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/language.h"

namespace settings {

inline constexpr std::string_view kSettingsFileName = "data.txt";

// The values a token may hold.
inline const std::string kInkPopupOn = "1";
inline const std::string kInkPopupOff = "0";
inline const std::string kGerman{ui::kGermanCode};

// The first two whitespace-separated tokens of the file. A token that is not
// exactly "0" or "1" is refused (nullopt) just like a missing one, so a stray
// or damaged file can never hand the program a value it has no behaviour for;
// the caller keeps what it had instead.
struct SettingsTokens {
    std::optional<std::string> inkPopup;
    std::optional<std::string> language;
};
SettingsTokens ParseSettingsText(std::string_view text);

// The file's whole content: option, one blank, language.
std::string SettingsFileContent(std::string_view inkPopup, std::string_view language);

// Overwrites the values the file holds validly; the others stay as they are.
// False when the file cannot be opened (nothing is changed then).
bool ReadSettingsFile(const std::string& path, std::string& inkPopup, std::string& language);

// ReadSettingsFile, but a missing file is replaced by the defaults (popup on,
// German), which are then also written to a new file. A file that exists but
// cannot be read is left alone, and so are the values.
void ReadOrCreateSettingsFile(const std::string& path, std::string& inkPopup, std::string& language);

// Replaces the file as a whole: the content goes to a new file beside it, which
// then takes its place in one step. False when it cannot be written (the old
// file is then as it was); callers skip that silently.
bool WriteSettingsFile(const std::string& path, std::string_view inkPopup, std::string_view language);

}  // namespace settings
