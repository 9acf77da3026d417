// The update check: when it opens, it makes sure all six driver files are
// installed; on "Ja"/"Yes" it fetches the server's version files and compares
// their dates with the installed files', then shows the verdict.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "res/resource.h"
#include "update/update_dialog.h"
#include "update/update_mask.h"
#include "update/version_date.h"
#include "update/version_file.h"

namespace update {

class UpdateCheckDialog : public UpdateDialog {
public:
    UpdateCheckDialog(int templateId, Language language, ui::Dialog* parent)
        : UpdateDialog(templateId, language, parent) {}

    // The local examination: one box per missing file, and then the dialog ends
    // without being shown.
    bool OnInitDialog() override;
    // The check; it never ends the dialog with IDOK.
    void OnOK() override;

    // Per driver file, in table order (a to f).
    std::array<VersionDate, 6> m_localDates{};
    std::array<std::string, 6> m_localDateTexts{};
    std::array<VersionDate, 6> m_remoteDates{};
    // Per driver file, in mask order (a, e, d, f, c, b).
    MaskFlags m_newer{};
    std::array<ExpectedDigest, 6> m_digests{};
    std::int32_t m_bVersionFilesUnobtainable = 0;
    std::string m_strUpdateMask;

private:
    // Downloads, reads and deletes the version files in mask order, in a folder
    // of this check's own; false as soon as one cannot be had or read.
    bool fetchVersionFiles();
    void runResult(int result);
    int runInstall();
};

}  // namespace update

class CUpdateDlg : public update::UpdateCheckDialog {
public:
    explicit CUpdateDlg(ui::Dialog* parent = nullptr)
        : UpdateCheckDialog(IDD_UPDATE_DE, update::Language::German, parent) {}
};

class CUpdateEDlg : public update::UpdateCheckDialog {
public:
    explicit CUpdateEDlg(ui::Dialog* parent = nullptr)
        : UpdateCheckDialog(IDD_UPDATE_EN, update::Language::English, parent) {}
};
