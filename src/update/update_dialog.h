// What every window of the driver update shares: the language it speaks and
// its black-on-white painting.
#pragma once

#include "ui/dialog.h"

namespace update {

enum class Language { German, English };

class UpdateDialog : public ui::Dialog {
public:
    UpdateDialog(int templateId, Language language, ui::Dialog* parent)
        : ui::Dialog(templateId, parent), m_language(language) {}

    Language language() const { return m_language; }
    bool german() const { return m_language == Language::German; }

    // Black text on a transparent background over a white brush, for the
    // dialog and every control.
    ui::CtlColor OnCtlColor(int ctrlId) override;

private:
    Language m_language;
};

// The text both check and install show when one of their result windows cannot
// be created; German in both languages.
inline constexpr const char* kResultDialogFailedText = "Dialogbox kann nicht erstellt werden!";

}  // namespace update
