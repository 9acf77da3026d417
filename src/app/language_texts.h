// The main window's texts that follow the language flags. Controls that are
// not listed keep their template text in both languages.
#pragma once

#include <span>
#include <string_view>

namespace app {

struct LanguageText {
    int controlId;
    std::string_view german;
    std::string_view english;
};

// In the order the switch sets them.
std::span<const LanguageText> MainWindowLanguageTexts();

}  // namespace app
