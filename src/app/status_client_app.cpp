#include "app/status_client_app.h"

#include "app/status_client_dlg.h"

namespace ui {
std::unique_ptr<WinApp> CreateApplication() { return std::make_unique<CStatusClientApp>(); }
}  // namespace ui

bool CStatusClientApp::InitInstance() {
    ui::InitCommonControls();
    SetRegistryKey("Vom lokalen Anwendungs-Assistenten generierte Anwendungen");

    CStatusClientDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message pump after the main window: the process ends with it.
    return false;
}
