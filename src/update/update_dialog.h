// What every window of the driver update shares: the language it speaks and
// its black-on-white painting.
#pragma once

#include "ui/black_on_white.h"
#include "ui/language.h"

namespace update {

using ui::Language;

class UpdateDialog : public ui::BlackOnWhiteDialog {
public:
    UpdateDialog(int templateId, Language language, ui::Dialog* parent)
        : BlackOnWhiteDialog(templateId, parent), m_language(language) {}

    Language language() const { return m_language; }
    bool german() const { return m_language == Language::German; }

private:
    Language m_language;
};

// The text both check and install show when one of their result windows cannot
// be created; German in both languages. deliberate(D6)
inline constexpr const char* kResultDialogFailedText = "Dialogbox kann nicht erstellt werden!";

}  // namespace update
