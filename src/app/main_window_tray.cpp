// The notification-area icon: the main window's only visible presence until
// the user opens it from the icon's menu.
#include <string>

#include "app/status_client_dlg.h"
#include "ui/app.h"
#include "ui/menu.h"

namespace {

constexpr std::uint32_t kTrayIconId = 1;

unsigned& TaskbarCreatedSlot() {
    // One per program instance; the test harness runs each instance on its own thread.
    thread_local unsigned message = 0;
    return message;
}

ui::TrayIconRecord TrayRecord() {
    ui::TrayIconRecord record;
    record.iconId = kTrayIconId;
    record.flags = ui::kNifMessage | ui::kNifIcon | ui::kNifTip;
    record.callbackMessage = app::kTrayNotifyMessage;
    record.iconResource = IDI_APP;
    const ui::WinApp* app = ui::AfxGetApp();
    record.setTip(app ? app->m_pszAppName : std::string());
    return record;
}

void ShowTrayMenu(CStatusClientDlg& owner) {
    ui::Menu menu;
    if (!menu.LoadMenu(IDR_TRAY_MENU)) return;
    ui::MenuHandle* popup = menu.GetSubMenu(0);
    if (!popup) return;
    ui::SetDefaultItem(*popup, ID_TRAY_EXIT);
    const ui::Point at = ui::GetCursorPos();
    // Without this the menu would not close when the user clicks elsewhere.
    owner.SetForegroundWindow();
    ui::TrackPopupMenu(*popup, ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON, at, owner);
    owner.PostMessage(ui::WM_NULL, 0, 0);
    menu.DestroyMenu();
}

}  // namespace

unsigned TaskbarCreatedMessage() { return TaskbarCreatedSlot(); }

void RegisterTaskbarCreatedMessage() { TaskbarCreatedSlot() = ui::RegisterWindowMessage("TaskbarCreated"); }

void CStatusClientDlg::AddTrayIcon() {
    // Without a notification area the program runs on; "TaskbarCreated" brings the icon later.
    ui::ShellNotifyIconAdd(*this, TrayRecord());
}

void CStatusClientDlg::DeleteTrayIcon() { ui::ShellNotifyIconDelete(*this, kTrayIconId); }

std::intptr_t CStatusClientDlg::OnTrayNotify(std::uintptr_t wParam, std::intptr_t lParam) {
    if (wParam != kTrayIconId) return 0;
    switch (static_cast<unsigned>(lParam)) {
        case ui::WM_LBUTTONDBLCLK:
            ShowWindow(ui::SW_SHOW);
            SetForegroundWindow();
            break;
        case ui::WM_RBUTTONDOWN: ShowTrayMenu(*this); break;
        default: break;
    }
    return 0;
}

void CStatusClientDlg::OnTaskbarCreated() { AddTrayIcon(); }

void CStatusClientDlg::OnWindowPosChanging(unsigned& flags) {
    if (!m_bShowAllowed) flags &= ~ui::SWP_SHOWWINDOW;
}

void CStatusClientDlg::OnTrayToolbox() {
    m_bShowAllowed = 1;
    ShowWindow(ui::SW_SHOW);
}

void CStatusClientDlg::OnTrayExit() {
    DeleteTrayIcon();
    ui::Dialog::OnCancel();  // ends the main dialog and with it the program
}
