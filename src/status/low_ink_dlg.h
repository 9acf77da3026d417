// The low-ink warning: opens while the printer prints with pen 1 nearly empty,
// watches the printer and closes itself once the printer is idle.
#pragma once

#include <string>

#include "status/status_texts.h"
#include "status/watching_dialog.h"

namespace status {

class LowInkWarning : public WatchingDialog {
public:
    LowInkWarning(Language language, ui::Dialog* parent);

    // Handed over by the opener.
    std::string m_strLevel;    // pen 1's level text, e.g. "7%"
    std::string m_strPenKind;  // pen 1's kind as a decimal text

    bool OnInitDialog() override;
    void OnTimer(unsigned id) override;
    // OK only tucks the warning away; it keeps watching.
    void OnOK() override;

protected:
    void onStatusValue(std::string_view value) override;

private:
    Language m_language;
};

class BlackWarning1Dlg : public LowInkWarning {
public:
    explicit BlackWarning1Dlg(ui::Dialog* parent = nullptr) : LowInkWarning(Language::German, parent) {}
};
class BlackWarning1EDlg : public LowInkWarning {
public:
    explicit BlackWarning1EDlg(ui::Dialog* parent = nullptr) : LowInkWarning(Language::English, parent) {}
};

// Runs the twin of `language` modally; the modal result.
int RunLowInkWarning(Language language, ui::Dialog* parent, const std::string& devicePath, const std::string& levelText,
                     const std::string& penKind);

}  // namespace status
