// The main window's command 1021: the driver online update.
#include "app/status_client_dlg.h"
#include "ui/twin_dialog.h"
#include "update/update_check_dialog.h"

void CStatusClientDlg::OnOnlineUpdate() {
    const std::optional<ui::Language> language = this->language();
    if (!language) return;
    StopTimer(kLocateTimer);
    if (!UpdateData(true)) return;
    const int result = ui::RunTwin<CUpdateDlg, CUpdateEDlg>(*language, this);
    if (result == -1)
        ui::AfxMessageBox(*language == ui::Language::German ? "Dialogbox kann nicht erstellt werden !"
                                                            : "Dialog box could not be created !");
}
