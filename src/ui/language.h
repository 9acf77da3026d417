// The two languages the program speaks, and how the kept language code maps to
// them. Any other code selects neither, and every step that depends on the
// language then does nothing.
#pragma once

#include <optional>
#include <string_view>

namespace ui {

enum class Language { German, English };

// The language codes as the settings file and the main window keep them.
inline constexpr std::string_view kGermanCode = "0";
inline constexpr std::string_view kEnglishCode = "1";

inline std::optional<Language> LanguageOf(std::string_view code) {
    if (code == kGermanCode) return Language::German;
    if (code == kEnglishCode) return Language::English;
    return std::nullopt;
}

}  // namespace ui
