// The two languages the program speaks, and how the kept language code maps to
// them: "0" German, "1" English. Any other code selects neither, and every step
// that depends on the language then does nothing.
#pragma once

#include <optional>
#include <string_view>

namespace ui {

enum class Language { German, English };

inline std::optional<Language> LanguageOf(std::string_view code) {
    if (code == "0") return Language::German;
    if (code == "1") return Language::English;
    return std::nullopt;
}

}  // namespace ui
