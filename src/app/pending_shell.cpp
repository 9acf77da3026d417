// Transitional: members of the shell whose implementation is being written.
// Each is removed from here as its real implementation lands.
#include "app/status_client_dlg.h"

bool CStatusClientDlg::OnInitDialog() { return true; }
void CStatusClientDlg::LoadStartValues() {}
void CStatusClientDlg::PrepareSettingsControls() {}
void CStatusClientDlg::ShowStartDialog() {}
std::string CStatusClientDlg::ProgramFile(const std::string& name) const { return name; }
bool CStatusClientDlg::OnSysCommand(unsigned) { return false; }
ui::CtlColor CStatusClientDlg::OnCtlColor(int) { return {}; }
int CStatusClientDlg::CursorFor(int) { return 0; }
void CStatusClientDlg::OnCancel() { ui::Dialog::OnCancel(); }
void CStatusClientDlg::OnOK() {}
void CStatusClientDlg::SwitchLanguage(const std::string&) {}
void CStatusClientDlg::OnHelp() {}
void CStatusClientDlg::OnManual() {}
void CStatusClientDlg::OnHomepage() {}
void CStatusClientDlg::ShowAboutBox() {}
void CStatusClientDlg::AddTrayIcon() {}
void CStatusClientDlg::DeleteTrayIcon() {}
std::intptr_t CStatusClientDlg::OnTrayNotify(std::uintptr_t, std::intptr_t) { return 0; }
void CStatusClientDlg::OnTaskbarCreated() {}
void CStatusClientDlg::OnWindowPosChanging(unsigned&) {}
void CStatusClientDlg::OnTrayToolbox() {}
void CStatusClientDlg::OnTrayExit() {}
void CStatusClientDlg::SettingsFileStep() {}
void CStatusClientDlg::WriteSettingsFile() {}
void CStatusClientDlg::OnInkPopupOption() {}
unsigned TaskbarCreatedMessage() { return 0; }
void RegisterTaskbarCreatedMessage() {}
