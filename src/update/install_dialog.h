// The install: asks whether to update, then downloads and checks every outdated
// driver file's replacement into a private folder, swaps them all in (or none)
// with the spooler stopped, and reports the outcome.
#pragma once

#include <array>
#include <string>

#include "res/resource.h"
#include "update/driver_swap.h"
#include "update/run_folder.h"
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
    std::string m_strStatus;     // the text last put into the status line, IDC_UPDATE_STATUS
    std::string m_strTimestamp;  // German runs only

private:
    void setStatus(const std::string& text);
    // Downloads the replacement of the file at `maskPosition` into `folder` and
    // checks it; true when it may be installed, which `request` then names.
    bool stage(std::size_t maskPosition, const RunFolder& folder, SwapRequest& request);
    // Downloads the signed manifest of the replacements into `folder`.
    bool fetchManifest(const RunFolder& folder);
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
