// The main window's maintenance buttons: cleaning (IDC_CLEAN_NORMAL,
// IDC_CLEAN_MEDIUM, IDC_CLEAN_SUPER), pen alignment (IDC_CALIBRATE_START) and the
// calibration reset (IDC_CALIBRATE_RESET).
#include "app/status_client_dlg.h"
#include "maintenance/alignment_dialogs.h"
#include "maintenance/cleaning_dialogs.h"
#include "maintenance/reset_calibration_dialogs.h"
#include "ui/creation_failure_texts.h"
#include "ui/twin_dialog.h"

namespace {}  // namespace

struct CStatusClientDlg::MaintenanceSteps {
    // Runs the twin of the language over `main`, naming the current printer and
    // giving the dialog its own copy of the device path.
    template <class German, class English>
    static int runTwin(ui::Language language, CStatusClientDlg& main, const std::string& devicePath) {
        return ui::RunTwin<German, English>(language, &main, [&](maintenance::MaintenanceDialog& dialog) {
            dialog.m_strPrinterText = main.m_strPrinterText;
            dialog.m_strDevicePath = devicePath;
        });
    }

    static int runMaintenanceDialog(int buttonId, ui::Language language, CStatusClientDlg& main,
                                    const std::string& devicePath) {
        switch (buttonId) {
            case IDC_CLEAN_NORMAL: return runTwin<CleanNormalDlg, CleanNormalEDlg>(language, main, devicePath);
            case IDC_CLEAN_MEDIUM: return runTwin<CleanMediumDlg, CleanMediumEDlg>(language, main, devicePath);
            case IDC_CLEAN_SUPER: return runTwin<CleanSuperDlg, CleanSuperEDlg>(language, main, devicePath);
            case IDC_CALIBRATE_START: return runTwin<CCalibrateDlg, CCalibrateEDlg>(language, main, devicePath);
            case IDC_CALIBRATE_RESET: return runTwin<CResetcalDlg, CResetcalEDlg>(language, main, devicePath);
            default: return ui::IDCANCEL;
        }
    }
};

void CStatusClientDlg::OnMaintenance(int buttonId) {
    const std::optional<ui::Language> language = this->language();
    if (!language) return;
    // No status poll may open the device while the dialog talks to the printer.
    StopTimer(kStatusTimer);
    const std::string devicePath = m_strDevicePath;
    UpdateData(true);
    const int result = MaintenanceSteps::runMaintenanceDialog(buttonId, *language, *this, devicePath);
    if (result == -1) {
        ui::AfxMessageBox(ui::CannotCreateSpaced(*language));
        return;
    }
    StartTimer(kStatusTimer);
}
