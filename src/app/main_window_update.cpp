// The main window's command 1021: the driver online update.
#include "app/status_client_dlg.h"
#include "update/update_check_dialog.h"

void CStatusClientDlg::OnOnlineUpdate() {
    const bool german = m_strLanguage == "0";
    if (!german && m_strLanguage != "1") return;
    StopTimer(kLocateTimer);
    if (!UpdateData(true)) return;
    int result = -1;
    if (german) {
        CUpdateDlg check(this);
        result = check.DoModal();
    } else {
        CUpdateEDlg check(this);
        result = check.DoModal();
    }
    if (result == -1) ui::AfxMessageBox(german ? "Dialogbox kann nicht erstellt werden !" : "Dialog box could not be created !");
}
