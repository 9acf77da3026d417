// The main window as a frame: system-menu commands, colours, the hand cursor,
// Cancel and Enter, the language switch and the help, manual and home-page links.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "app/about_dlg.h"
#include "app/language_texts.h"
#include "app/maker_links.h"
#include "app/status_client_dlg.h"
#include "os/shell.h"
#include "settings/settings_file.h"

namespace {

// The buttons, links and flags that show a hand while the mouse is over them.
constexpr std::array<int, 15> kHandCursorControls{
    IDC_MANUAL,
    IDC_HOMEPAGE,
    IDC_CLEAN_NORMAL,
    IDC_SETTINGS_OK,
    IDC_CLEAN_MEDIUM,
    IDC_CLEAN_SUPER,
    IDC_DEFAULTS,
    IDC_ONLINE_UPDATE,
    IDC_CALIBRATE_START,
    IDC_CALIBRATE_RESET,
    ui::IDCANCEL,
    ID_HELP,
    IDC_FLAG_DE,
    IDC_FLAG_EN,
    IDC_SELECT_PRINTER,
};

void OpenWithShell(const std::string& target) { os::ShellOpen("open", target, "", "", ui::SW_SHOW); }

// Opens the German or the English target; nothing for an unknown language.
void OpenInLanguage(std::optional<ui::Language> language, const std::string& german, const std::string& english) {
    if (language) OpenWithShell(*language == ui::Language::German ? german : english);
}

}  // namespace

bool CStatusClientDlg::OnSysCommand(unsigned cmd) {
    // The system keeps the low four bits of a system command for itself.
    switch (cmd & 0xFFF0) {
        case ID_SYSCMD_ABOUT: ShowAboutBox(); return true;
        case ui::SC_MINIMIZE:
            // Minimising means going back to the icon. The default handling would
            // show the hidden window again as a minimised task-bar entry, so it
            // does not run; "ZEV Toolbox" and a double-click bring the window back.
            ShowWindow(ui::SW_HIDE);
            return true;
        default: return false;
    }
}

int CStatusClientDlg::CursorFor(int ctrlId) {
    const bool hand =
        std::find(kHandCursorControls.begin(), kHandCursorControls.end(), ctrlId) != kHandCursorControls.end();
    return hand ? IDC_CURSOR_HAND : 0;
}

void CStatusClientDlg::OnCancel() {
    // Cancel, Esc and the close box only hide the window; "Beenden" ends the program.
    UpdateData(true);
    ShowWindow(ui::SW_HIDE);
    WriteSettingsFile();
}

void CStatusClientDlg::OnOK() {
    // Enter must neither end the tray program nor send settings the user has not
    // confirmed with OK or Apply, nor hide what is being typed: it does nothing.
    // deliberate(D13)
}

void CStatusClientDlg::SwitchLanguage(const std::string& code) {
    const std::optional<ui::Language> language = ui::LanguageOf(code);
    if (!language) return;
    const bool german = *language == ui::Language::German;
    m_strLanguage = code;
    for (const app::LanguageText& t : app::MainWindowLanguageTexts())
        SetDlgItemText(t.controlId, german ? t.german : t.english);
    UpdateData(true);
    WriteSettingsFile();
}

void CStatusClientDlg::OnHelp() {
    OpenInLanguage(language(), ProgramFile("zev_help_de.chm"), ProgramFile("zev_help_en.chm"));
}

void CStatusClientDlg::OnManual() {
    OpenInLanguage(language(), ProgramFile("Manual_ZEV_aktuell.pdf"), ProgramFile("Manual_ZEV_aktuell_Englisch.pdf"));
}

void CStatusClientDlg::OnHomepage() {
    OpenInLanguage(language(), std::string(app::kGermanHomepage), std::string(app::kEnglishHomepage));
}

void CStatusClientDlg::ShowAboutBox() {
    CAboutDlg about(this);
    about.DoModal();
}
