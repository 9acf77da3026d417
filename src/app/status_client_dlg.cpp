#include "app/status_client_dlg.h"

CStatusClientDlg::CStatusClientDlg() : BlackOnWhiteDialog(IDD_MAIN) {}

CStatusClientDlg::~CStatusClientDlg() = default;

void CStatusClientDlg::StartTimer(unsigned id) {
    SetTimer(id, kTimerInterval);
    m_runningTimers |= 1u << id;
}

void CStatusClientDlg::StopTimer(unsigned id) {
    KillTimer(id);
    m_runningTimers &= ~(1u << id);
}

bool CStatusClientDlg::IsTimerRunning(unsigned id) const { return (m_runningTimers & (1u << id)) != 0; }

void CStatusClientDlg::OnTimer(unsigned id) {
    switch (id) {
        case kLocateTimer: LocatePass(); break;
        case kReadyWaitTimer: ReadyWaitPass(); break;
        case kStatusTimer: pollStatus(); break;
        default: break;
    }
}

void CStatusClientDlg::OnScroll(int ctrlId, int code, int pos, bool horizontal) {
    (void)code;
    (void)horizontal;
    OnSettingsScroll(ctrlId, pos);
}

bool CStatusClientDlg::OnMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    if (msg == app::kTrayNotifyMessage) {
        result = OnTrayNotify(wParam, lParam);
        return true;
    }
    if (msg == TaskbarCreatedMessage()) {
        OnTaskbarCreated();
        return true;
    }
    return false;
}

void CStatusClientDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_CBString(dx, IDC_PRINTER_LIST, m_strPrinterText);
}

void CStatusClientDlg::OnCommand(int id, int code) {
    switch (id) {
        case ID_HELP: OnHelp(); return;
        case IDC_MANUAL: OnManual(); return;
        case IDC_HOMEPAGE: OnHomepage(); return;
        case IDC_FLAG_DE:
            if (code == ui::STN_CLICKED) SwitchLanguage(std::string(ui::kGermanCode));
            return;
        case IDC_FLAG_EN:
            if (code == ui::STN_CLICKED) SwitchLanguage(std::string(ui::kEnglishCode));
            return;
        case IDC_SELECT_PRINTER: OnSelectPrinter(); return;
        case IDC_PRINTER_LIST:
            if (code == ui::CBN_SELCHANGE) OnPrinterListChanged();
            return;
        case IDC_ONLINE_UPDATE: OnOnlineUpdate(); return;
        case IDC_CLEAN_NORMAL:
        case IDC_CLEAN_MEDIUM:
        case IDC_CLEAN_SUPER:
        case IDC_CALIBRATE_START:
        case IDC_CALIBRATE_RESET: OnMaintenance(id); return;
        case ID_TRAY_TOOLBOX: OnTrayToolbox(); return;
        case ID_TRAY_EXIT: OnTrayExit(); return;
        case IDC_REFRESH: return;  // the hidden refresh button has no work to do
        case IDC_INKPOPUP_ENABLE:
            if (code == ui::BN_CLICKED) OnInkPopupOption();
            return;
        case IDC_SECURE_FEED:
        case IDC_TOLERANCE:
        case IDC_DRYTIME:
        case IDC_TOP_MARGIN:
        case IDC_LEFT_MARGIN:
        case IDC_OUTPUT_BACK:
        case IDC_OUTPUT_FRONT:
        case IDC_SENSOR_OFF:
        case IDC_INKBACKUP_ON:
        case IDC_INKBACKUP_GROUP:
        case IDC_SETTINGS_OK:
        case IDC_APPLY:
        case IDC_DEFAULTS:
        case IDC_TRAYICON_QUERY: OnSettingsCommand(id, code); return;
        default: ui::Dialog::OnCommand(id, code); return;
    }
}
