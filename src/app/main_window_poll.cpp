// The once-a-second status poll of the main window and its display.
#include <optional>
#include <string>

#include "app/status_client_dlg.h"
#include "os/clock.h"
#include "os/poll_share.h"
#include "printer/device_id.h"
#include "status/error_popup.h"
#include "status/ink_level_popup.h"
#include "status/popup_result.h"
#include "status/status_field.h"
#include "status/status_texts.h"

namespace {

using status::Language;
using status::PopupKind;

constexpr unsigned kActivityIdle = 0;
constexpr unsigned kActivityPrinting = 15;
constexpr std::size_t kStateCharsPos = 16;
constexpr std::size_t kStateChars = 2;

}  // namespace

struct CStatusClientDlg::PollSteps {
    static void ActOnPopupResult(CStatusClientDlg& dlg, PopupKind kind, Language language, int result) {
        const status::PopupOutcome outcome = status::OutcomeOf(kind, language, result);
        if (outcome.message) ui::AfxMessageBox(*outcome.message);
        if (outcome.restartStatusTimer) dlg.startStatusTimer();
        if (outcome.rereadSettings) dlg.RefreshSettingsDisplay();
    }

    // The status timer stops first: the popup's modal loop keeps the main
    // window's timers firing, and a poll inside it would open a second popup.
    static void ShowErrorPopup(CStatusClientDlg& dlg, PopupKind kind, Language language, std::string_view statusLine) {
        dlg.stopStatusTimer();
        dlg.SetDlgItemText(IDC_STATUS_LINE, statusLine);
        const int result = status::RunErrorPopup(kind, language, &dlg, dlg.m_strDevicePath);
        ActOnPopupResult(dlg, kind, language, result);
    }

    // The pen texts handed over are still the previous poll's: this poll keeps
    // its own only after the state has been handled.
    static void ShowInkLevelPopup(CStatusClientDlg& dlg, Language language, unsigned activity) {
        dlg.stopStatusTimer();
        const status::InkLevelHandOver handOver{
            .devicePath = dlg.m_strDevicePath,
            .pen1Kind = dlg.m_strPen1Kind,
            .pen1Level = dlg.m_strPen1Level,
            .pen2Level = dlg.m_strPen2Level,
            .activity = std::to_string(activity),
        };
        const int result = status::RunInkLevelPopup(language, &dlg, handOver, [&dlg] {
            dlg.m_strInkPopup = settings::kInkPopupOff;
            dlg.WriteSettingsFile();
        });
        ActOnPopupResult(dlg, PopupKind::InkLevel, language, result);
    }

    static void ShowState(CStatusClientDlg& dlg, const std::string& value, std::uint8_t state,
                          std::optional<Language> language) {
        dlg.SetDlgItemText(IDC_STATE_CHARS, value.substr(kStateCharsPos, kStateChars));
        dlg.m_nState = state;
        dlg.SetDlgItemInt(IDC_STATE_CODE, state);
        if (!language) return;
        const std::optional<status::Texts> text = status::StateLineText(state);
        if (!text) return;
        if (const std::optional<PopupKind> popup = status::PopupForState(state)) {
            ShowErrorPopup(dlg, *popup, *language, text->in(*language));
        } else {
            dlg.SetDlgItemText(IDC_STATUS_LINE, text->in(*language));
        }
    }

    static std::string LevelText(unsigned level) { return std::to_string(level) + "%"; }

    static void ShowPens(CStatusClientDlg& dlg, const status::PrinterStatus& st, std::optional<Language> language) {
        const unsigned kind1 = static_cast<unsigned>(st.pen1.kind);
        const unsigned kind2 = static_cast<unsigned>(st.pen2.kind);
        if (auto label = status::Pen1Label(kind1, language)) dlg.SetDlgItemText(IDC_PEN1_LABEL, *label);
        dlg.m_strPen1Level = LevelText(st.pen1.level);
        dlg.SetDlgItemText(IDC_PEN1_LEVEL, dlg.m_strPen1Level);
        if (auto label = status::Pen2Label(kind2, language)) dlg.SetDlgItemText(IDC_PEN2_LABEL, *label);
        dlg.m_strPen2Level = LevelText(st.pen2.level);
        dlg.SetDlgItemText(IDC_PEN2_LEVEL, dlg.m_strPen2Level);
        dlg.m_strActivity = std::to_string(st.activity);
        dlg.m_strPen1Kind = std::to_string(kind1);
        dlg.m_strPen2Kind = std::to_string(kind2);
    }
};

void CStatusClientDlg::startStatusTimer() { StartTimer(kStatusTimer); }

void CStatusClientDlg::stopStatusTimer() { StopTimer(kStatusTimer); }

void CStatusClientDlg::pollStatus() {
    std::optional<std::string> deviceId = printer::ReadDeviceId(m_strDevicePath);
    if (!deviceId) {
        // The status timer keeps running beside discovery.
        KeepLookingForPrinter();
        return;
    }
    m_strDeviceId = std::move(*deviceId);
    updateStatusDisplay();
}

void CStatusClientDlg::updateStatusDisplay() {
    // Before the display, which may open a popup for a while: the tool beside
    // the window then still gets this device ID, and its age shows the pause.
    os::SharePoll({m_strDevicePath, m_strDeviceId, os::TickCount()});
    const std::optional<std::string> value = status::statusValue(m_strDeviceId);
    if (value) SetDlgItemText(IDC_RAW_STATUS, *value);
    const status::PrinterStatus st = status::decodeStatusField(m_strDeviceId);
    // A damaged record would read as an idle printer without pens; the last
    // good display is the truer picture until the next good one arrives.
    if (!st.valid || !value) return;

    const std::optional<Language> language = this->language();
    if (language && st.coverOpen)
        PollSteps::ShowErrorPopup(*this, PopupKind::Cover, *language, status::kCoverOpenText.in(*language));
    if (language && st.incompleteJob)
        PollSteps::ShowErrorPopup(*this, PopupKind::IncompleteJob, *language, status::kIncompleteJobText.in(*language));
    if (language && st.activity == kActivityIdle) SetDlgItemText(IDC_STATUS_LINE, status::kIdleText.in(*language));
    if (language && st.activity == kActivityPrinting && m_strInkPopup == settings::kInkPopupOn)
        PollSteps::ShowInkLevelPopup(*this, *language, st.activity);

    PollSteps::ShowState(*this, *value, st.state, language);
    PollSteps::ShowPens(*this, st, language);
    updateInkPictures();
}
