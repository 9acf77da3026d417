// Transitional: members of the printer settings whose implementation is being
// written. Each is removed from here as its real implementation lands.
#include "app/status_client_dlg.h"

void CStatusClientDlg::ReadPaperHandling() {}
void CStatusClientDlg::ReadPrintOptions() {}
void CStatusClientDlg::ReadLeftMargin() {}
void CStatusClientDlg::ReadTopMargin() {}
void CStatusClientDlg::RefreshSettingsDisplay() {}
void CStatusClientDlg::ShowLeftMargin() {}
void CStatusClientDlg::ShowTopMargin() {}
void CStatusClientDlg::ApplySettings() {}
void CStatusClientDlg::SetDefaultSettings() {}
void CStatusClientDlg::OnSettingsCommand(int, int) {}
void CStatusClientDlg::OnSettingsScroll(int, int) {}
