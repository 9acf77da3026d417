// The main window's command IDC_ONLINE_UPDATE: the driver online update.
#include "app/status_client_dlg.h"
#include "ui/creation_failure_texts.h"
#include "ui/twin_dialog.h"
#include "update/update_check_dialog.h"

// The button that sends this command is created hidden and nothing shows it:
// replacing driver files stops the print spooler, so the update is started on
// purpose by whoever sends the command, never by a stray click. deliberate(D15)
void CStatusClientDlg::OnOnlineUpdate() {
    const std::optional<ui::Language> language = this->language();
    if (!language) return;
    StopTimer(kLocateTimer);
    if (!UpdateData(true)) return;
    const int result = ui::RunTwin<CUpdateDlg, CUpdateEDlg>(*language, this);
    if (result == -1) ui::AfxMessageBox(ui::CannotCreateSpaced(*language));
}
