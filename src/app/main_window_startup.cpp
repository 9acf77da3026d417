// The main window's opening sequence, the single-instance guard and the start
// dialog. The order of the steps matters: a refused second instance has already
// put up its icon and may have created data.txt before it finds the first one.
// deliberate(D10)
#include <string>

#include "app/program_directory.h"
#include "app/start_dlg.h"
#include "app/status_client_dlg.h"
#include "os/process.h"
#include "settings/settings_file.h"
#include "ui/creation_failure_texts.h"
#include "ui/menu.h"
#include "ui/twin_dialog.h"
#include "update/elevated_install.h"

namespace {

constexpr const char* kInstanceMutexName = "KeinDoppelstart";

}  // namespace

bool CStatusClientDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();

    if (HasSystemMenu()) {
        const std::string about = ui::LoadString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendSystemMenuSeparator();
            AppendSystemMenuItem(ID_SYSCMD_ABOUT, about);
        }
    }

    AddTrayIcon();
    LoadStartValues();

    m_instanceMutex = os::CreateOwnedMutex(kInstanceMutexName);
    if (m_instanceMutex->alreadyExisted()) {
        ui::MessageBox("Die Anwendung wurde bereits gestartet!", "Fehler!", ui::MB_OK | ui::MB_ICONSTOP);
        DeleteTrayIcon();
        ui::Dialog::OnCancel();  // ends the program
        return true;
    }

    // A driver swap cut short by a dead process is undone before anything else.
    update::RecoverInterruptedSwap();
    PrepareSettingsControls();

    m_wPaperHandling = settings::kDefaultPaperHandling;
    m_wPrintOptions = 0;
    m_nTopMargin = 0;
    m_nLeftMargin = 0;
    // The option read from data.txt comes back with the first settings refresh.
    m_strInkPopup = settings::kInkPopupOn;

    SetIcon(IDI_APP);
    StartupPass();
    return true;
}

void CStatusClientDlg::LoadStartValues() {
    settings::ReadOrCreateSettingsFile(
        ProgramFile(std::string(settings::kSettingsFileName)), m_strInkPopup, m_strLanguage);
}

void CStatusClientDlg::PrepareSettingsControls() {
    EnableItem(IDC_PRINTER_LIST, false);
    EnableItem(IDC_TOLERANCE, false);
    EnableItem(IDC_TOLERANCE_SPIN, false);
    EnableItem(IDC_DRYTIME, false);
    EnableItem(IDC_DRYTIME_SPIN, false);
    SpinSetRange(IDC_TOLERANCE_SPIN, 0, settings::kToleranceLimitTenths - 1);
    SpinSetRange(IDC_DRYTIME_SPIN, 0, settings::kDryTimeMaxSeconds);
    SpinSetRange(IDC_TOP_MARGIN_SPIN, 0, settings::kTopMarginLimitTenths - 1);
    SpinSetPos(IDC_TOP_MARGIN_SPIN, 0);
    SetDlgItemText(IDC_TOP_MARGIN, "0.0");
    SpinSetRange(IDC_LEFT_MARGIN_SPIN, 0, settings::kLeftMarginSpinMaxTenths);
    SpinSetPos(IDC_LEFT_MARGIN_SPIN, 0);
    SetDlgItemText(IDC_LEFT_MARGIN, "0.0");
    SetDlgItemText(IDC_DRYTIME, "0");
}

void CStatusClientDlg::ShowStartDialog() {
    const std::optional<ui::Language> language = this->language();
    if (!language) return;

    const std::string printer = GetDlgItemText(IDC_PRINTER_LIST);
    const int result =
        ui::RunTwin<CStartDlg, CstartEDlg>(*language, this, [&](StartDialogBase& dlg) { dlg.m_strPrinter = printer; });
    if (result == -1) {
        ui::AfxMessageBox(ui::CannotCreateSpaced(*language), ui::MB_OK);
    } else if (result == ui::IDCANCEL) {
        // The dialog closed by itself: the printer is ready for the first reads.
        ReadPaperHandling();
        ReadPrintOptions();
        ReadLeftMargin();
        ReadTopMargin();
    }
}

std::string CStatusClientDlg::ProgramFile(const std::string& name) const {
    return app::ProgramDirectory(os::GetCommandLine()) + "\\" + name;
}
