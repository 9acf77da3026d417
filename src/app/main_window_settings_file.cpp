// The main window's side of data.txt: the re-read at every settings refresh,
// the ink-level popup check box, and the plain rewrite used by Cancel and the
// language switch.
#include "app/status_client_dlg.h"
#include "settings/settings_file.h"

void CStatusClientDlg::SettingsFileStep() {
    settings::ReadOrCreateSettingsFile(
        ProgramFile(std::string(settings::kSettingsFileName)), m_strInkPopup, m_strLanguage);
    CheckDlgButton(IDC_INKPOPUP_ENABLE, m_strInkPopup == settings::kInkPopupOn ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    SwitchLanguage(m_strLanguage);  // does nothing for a language it does not know
}

void CStatusClientDlg::WriteSettingsFile() {
    // A file that cannot be written leaves the choice in effect for this run only.
    settings::WriteSettingsFile(ProgramFile(std::string(settings::kSettingsFileName)), m_strInkPopup, m_strLanguage);
}

void CStatusClientDlg::OnInkPopupOption() {
    const bool checked = IsDlgButtonChecked(IDC_INKPOPUP_ENABLE) == ui::BST_CHECKED;
    m_strInkPopup = checked ? settings::kInkPopupOn : settings::kInkPopupOff;
    UpdateData(true);
    WriteSettingsFile();
}
