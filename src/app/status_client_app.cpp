#include "app/status_client_app.h"

#include "app/status_client_dlg.h"
#include "emulator/install.h"
#include "update/elevated_install.h"

namespace ui {
std::unique_ptr<WinApp> CreateApplication() { return std::make_unique<CStatusClientApp>(); }
}  // namespace ui

bool CStatusClientApp::InitInstance() {
    // The elevated copy of the driver update does its one job without a window.
    if (update::AsksForElevatedMode(os::GetCommandLine())) {
        m_nExitCode = update::RunElevatedMode(os::GetCommandLine());
        return false;
    }
    ui::InitCommonControls();
    // Before any window exists, so no taskbar restart can go unnoticed.
    RegisterTaskbarCreatedMessage();

    // With ZEV_EMULATOR set the program talks to emulated printers; a scenario that
    // cannot be read must not leave the program running on half of it.
    if (const auto problem = emulator::installFromEnvironment()) {
        ui::MessageBox(*problem, m_pszAppName, ui::MB_OK | ui::MB_ICONSTOP);
        return false;
    }

    CStatusClientDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_instanceMutex = dlg.TakeInstanceMutex();
    m_pMainWnd = nullptr;
    // No message pump after the main window: the process ends with it.
    return false;
}
