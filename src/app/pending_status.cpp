// Transitional: members of discovery and status monitoring whose implementation
// is being written. Each is removed from here as its real implementation lands.
#include "app/status_client_dlg.h"

void CStatusClientDlg::StartupPass() {}
void CStatusClientDlg::LocatePass() {}
void CStatusClientDlg::ReadyWaitPass() {}
void CStatusClientDlg::OnPrinterListChanged() {}
void CStatusClientDlg::OnSelectPrinter() {}
void CStatusClientDlg::ShowNotFoundText() {}
void CStatusClientDlg::ResetInkDisplays() {}
void CStatusClientDlg::pollStatus() {}
void CStatusClientDlg::updateStatusDisplay() {}
void CStatusClientDlg::startStatusTimer() {}
void CStatusClientDlg::stopStatusTimer() {}
void CStatusClientDlg::updateInkPictures() {}
