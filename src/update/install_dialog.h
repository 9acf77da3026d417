// The install: asks whether to update, then moves each outdated driver file
// aside, downloads its replacement into its place with the spooler stopped,
// and reports the outcome.
#pragma once

#include <array>
#include <string>

#include "res/resource.h"
#include "update/update_dialog.h"
#include "update/update_mask.h"
#include "update/version_file.h"

namespace update {

class InstallDialog : public UpdateDialog {
public:
    InstallDialog(int templateId, Language language, ui::Dialog* parent) : UpdateDialog(templateId, language, parent) {}

    // "Ja"/"Yes" and Enter: one install run, then ShowInstallResult. It never
    // ends the dialog with IDOK.
    void OnOK() override;
    // Success, failure (with the offer of another run), or the creation-failure box.
    void ShowInstallResult();

    // Handed over by the check before the modal run.
    std::string m_strUpdateMask;
    // Per file in mask order: what the downloaded replacement must hash to.
    std::array<ExpectedDigest, 6> m_expectedDigests{};

    // State of the last run.
    MaskFlags m_pending{};
    std::string m_strStatus;     // the text last put into the status line 1119
    std::string m_strTimestamp;  // German runs only

private:
    void setStatus(const std::string& text);
    // Rename to the backup, download in place, verify; true when the file was replaced.
    bool replace(std::size_t maskPosition);
};

}  // namespace update

class CUpdFoundDlg : public update::InstallDialog {
public:
    explicit CUpdFoundDlg(ui::Dialog* parent = nullptr)
        : InstallDialog(IDD_UPDFOUND_DE, update::Language::German, parent) {}
};

class CUpdFoundEDlg : public update::InstallDialog {
public:
    explicit CUpdFoundEDlg(ui::Dialog* parent = nullptr)
        : InstallDialog(IDD_UPDFOUND_EN, update::Language::English, parent) {}
};
