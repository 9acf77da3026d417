// The main window's side of data.txt: the re-read at every settings refresh,
// the ink-level popup check box, and the plain rewrite used by Cancel and the
// language switch.
#include "app/status_client_dlg.h"
#include "settings/settings_file.h"

void CStatusClientDlg::SettingsFileStep() {
    const std::string path = ProgramFile(std::string(settings::kSettingsFileName));
    if (!settings::ReadSettingsFile(path, m_strInkPopup, m_strLanguage)) {
        // A missing file starts over from the defaults: popup on, German.
        m_strInkPopup = "1";
        m_strLanguage = "0";
        settings::WriteSettingsFile(path, m_strInkPopup, m_strLanguage);
    }
    CheckDlgButton(IDC_INKPOPUP_ENABLE, m_strInkPopup == "1" ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (m_strLanguage == "0" || m_strLanguage == "1") SwitchLanguage(m_strLanguage);
}

void CStatusClientDlg::WriteSettingsFile() {
    // A file that cannot be written leaves the choice in effect for this run only.
    settings::WriteSettingsFile(ProgramFile(std::string(settings::kSettingsFileName)), m_strInkPopup, m_strLanguage);
}

void CStatusClientDlg::OnInkPopupOption() {
    m_strInkPopup = IsDlgButtonChecked(IDC_INKPOPUP_ENABLE) == ui::BST_CHECKED ? "1" : "0";
    UpdateData(true);
    WriteSettingsFile();
}
