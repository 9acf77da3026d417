// The main window's discovery passes: the start-up pass, the locate timer, the
// ready-wait timer, and the choice of a printer from the list.
#include <functional>
#include <optional>
#include <string>

#include "app/status_client_dlg.h"
#include "os/clock.h"
#include "printer/device_id.h"
#include "printer/device_path.h"
#include "printer/display_name.h"
#include "printer/fehler_message.h"
#include "printer/id_value.h"
#include "printer/identity.h"
#include "printer/interface_walk.h"
#include "status/status_field.h"
#include "status/status_texts.h"

namespace {

constexpr unsigned kReceivingWaitMs = 10000;

// What a pass learns from one candidate's device ID.
struct Candidate {
    std::string path;
    std::string deviceId;
    printer::Identity identity = printer::Identity::MfgMismatch;
};

// The identity of the device on `path`, with the "fehler" box for a missing
// key; nullopt when the device cannot be read.
std::optional<Candidate> ReadCandidate(const std::string& path) {
    std::optional<std::string> deviceId = printer::ReadDeviceId(path);
    if (!deviceId) return std::nullopt;
    const printer::Identity identity = printer::IdentifyPrinter(*deviceId);
    return Candidate{path, std::move(*deviceId), identity};
}

// The serial number, or nullopt (with the "fehler" box when the key is
// missing) for a device ID whose serial cannot be had or does not fit its field.
std::optional<std::string> SerialOf(const std::string& deviceId) {
    const printer::IdValue serial = printer::ExtractIdValue(deviceId, printer::kKeySerial);
    if (serial.reportsFehler()) printer::ShowFehler();
    if (!serial.found() || !printer::FitsField(serial.text, printer::kIdFieldSize)) return std::nullopt;
    return std::string(serial.text);
}

// An accepted device ID always holds both values (the identity test read them).
std::string DisplayNameOf(const std::string& deviceId, const std::string& serial) {
    return printer::DisplayName(printer::ExtractIdValue(deviceId, printer::kKeyMfg).text,
                                printer::ExtractIdValue(deviceId, printer::kKeyMdl).text,
                                serial);
}

// The state code a pass decides on. A status record that cannot be read
// counts as "not ready": the printer is then watched until it reports ready
// rather than asked for its settings in an unknown state.
std::optional<std::uint8_t> StateCodeOf(const std::string& deviceId) {
    const status::PrinterStatus st = status::decodeStatusField(deviceId);
    if (!st.valid) return std::nullopt;
    return st.state;
}

constexpr bool IsReady(std::optional<std::uint8_t> state) { return state == 0; }

void AddAndSelect(CStatusClientDlg& dlg, const std::string& displayName) {
    dlg.ComboAddString(IDC_PRINTER_LIST, displayName);
    dlg.ComboSelectString(IDC_PRINTER_LIST, 0, displayName);
}

// How one pass answers what the walk finds; an empty answer does nothing.
struct PassAnswers {
    std::function<void()> unreadable = {};  // a device whose ID cannot be read
    std::function<void()> otherModel = {};  // a BRENLATO device whose model is missing or not ZEV
    std::function<void(const Candidate&)> zev = {};
};

}  // namespace

struct CStatusClientDlg::DiscoverySteps {
    // Walks the printer interfaces and answers each device as `answers` says,
    // until a device without "MFG:" ends the program: a device on a ZEV
    // interface that does not say who made it is not one this program may
    // drive. It ends as after "Beenden", with no icon left behind in the
    // notification area. deliberate(D4)
    static printer::WalkEnd Walk(CStatusClientDlg& dlg, const PassAnswers& answers) {
        bool ending = false;
        return printer::WalkPrinterInterfaces([&](const std::string& path) {
            if (ending) return;
            const std::optional<Candidate> candidate = ReadCandidate(path);
            if (!candidate) {
                if (answers.unreadable) answers.unreadable();
                return;
            }
            switch (candidate->identity) {
                case printer::Identity::MfgMissing:
                    ending = true;
                    dlg.DeleteTrayIcon();
                    dlg.EndDialog(ui::IDCANCEL);
                    return;
                case printer::Identity::MfgMismatch: return;
                case printer::Identity::MdlMissing:
                case printer::Identity::MdlMismatch:
                    if (answers.otherModel) answers.otherModel();
                    return;
                case printer::Identity::Zev:
                    if (answers.zev) answers.zev(*candidate);
                    return;
            }
        });
    }

    static void ReadFirstSettings(CStatusClientDlg& dlg) {
        dlg.ReadPaperHandling();
        dlg.ReadPrintOptions();
        dlg.ReadLeftMargin();
    }

    // Nothing usable was found: say so and let both timers look again.
    static void StartLookingFromNothing(CStatusClientDlg& dlg) {
        dlg.StartTimer(kLocateTimer);
        dlg.StartTimer(kReadyWaitTimer);
        dlg.ShowNotFoundText();
        dlg.ResetInkDisplays();
    }

    static void StartAtStartup(CStatusClientDlg& dlg, const Candidate& candidate) {
        dlg.UpdateData(true);
        const std::optional<std::string> serial = SerialOf(candidate.deviceId);
        if (!serial) return;
        AddAndSelect(dlg, DisplayNameOf(candidate.deviceId, *serial));
        dlg.UpdateData(true);
        dlg.m_strDevicePath = candidate.path;
        printer::AppendToPathLog(dlg.m_strPathLog, candidate.path);

        const std::optional<std::uint8_t> state = StateCodeOf(candidate.deviceId);
        if (state) dlg.SetDlgItemInt(IDC_STATE_CODE, *state);
        dlg.StartTimer(kLocateTimer);
        if (IsReady(state)) {
            dlg.ShowStartDialog();
        } else {
            dlg.StartTimer(kReadyWaitTimer);
        }
    }

    static void TakeOverReadyPrinter(CStatusClientDlg& dlg, const Candidate& candidate) {
        dlg.UpdateData(true);
        const std::optional<std::string> serial = SerialOf(candidate.deviceId);
        if (!serial) return;
        printer::AppendToPathLog(dlg.m_strPathLog, candidate.path);

        const std::optional<std::uint8_t> state = StateCodeOf(candidate.deviceId);
        if (state) {
            dlg.SetDlgItemInt(IDC_STATE_CODE, *state);
            dlg.m_strDevicePath = candidate.path;
        }
        if (!IsReady(state)) return;  // the timer keeps waiting

        if (const auto language = dlg.language())
            dlg.SetDlgItemText(IDC_STATUS_LINE, status::kReceivingText.in(*language));
        // The printer needs the time to settle after reporting ready; nothing
        // else runs meanwhile, so no poll or click can reach it early. deliberate(D3)
        os::Sleep(kReceivingWaitMs);
        dlg.ComboResetContent(IDC_PRINTER_LIST);
        AddAndSelect(dlg, DisplayNameOf(candidate.deviceId, *serial));
        dlg.UpdateData(true);
        ReadFirstSettings(dlg);
        dlg.StopTimer(kReadyWaitTimer);
    }

    // The locate timer's find: the poller takes the printer over.
    static void WatchFoundPrinter(CStatusClientDlg& dlg, const Candidate& candidate) {
        dlg.m_strDevicePath = candidate.path;
        dlg.m_strDeviceId = candidate.deviceId;
        // Stopped before the status update: a popup it opens runs a modal loop
        // in which this timer would otherwise find the printer again.
        dlg.StopTimer(kLocateTimer);
        dlg.updateStatusDisplay();
        dlg.startStatusTimer();
    }
};

void CStatusClientDlg::KeepLookingForPrinter() {
    if (!IsTimerRunning(kLocateTimer)) StartTimer(kLocateTimer);
    if (!IsTimerRunning(kReadyWaitTimer)) StartTimer(kReadyWaitTimer);
}

void CStatusClientDlg::StartupPass() {
    const printer::WalkEnd end =
        DiscoverySteps::Walk(*this,
                             {
                                 .otherModel = [this] { DiscoverySteps::StartLookingFromNothing(*this); },
                                 .zev = [this](const Candidate& c) { DiscoverySteps::StartAtStartup(*this, c); },
                             });
    if (end == printer::WalkEnd::NoInterface) DiscoverySteps::StartLookingFromNothing(*this);
}

void CStatusClientDlg::LocatePass() {
    const printer::WalkEnd end =
        DiscoverySteps::Walk(*this,
                             {
                                 .unreadable = [this] { KeepLookingForPrinter(); },
                                 .zev = [this](const Candidate& c) { DiscoverySteps::WatchFoundPrinter(*this, c); },
                             });
    if (end == printer::WalkEnd::NoInterface && !IsTimerRunning(kReadyWaitTimer)) StartTimer(kReadyWaitTimer);
}

void CStatusClientDlg::ReadyWaitPass() {
    const printer::WalkEnd end = DiscoverySteps::Walk(
        *this, {.zev = [this](const Candidate& c) { DiscoverySteps::TakeOverReadyPrinter(*this, c); }});
    if (end == printer::WalkEnd::NoInterface) {
        ResetInkDisplays();
        ShowNotFoundText();
    }
}

void CStatusClientDlg::OnPrinterListChanged() {
    const int selection = ComboGetCurSel(IDC_PRINTER_LIST);
    m_strPrinterText = ComboGetLBText(IDC_PRINTER_LIST, selection);
    // A list entry that no longer yields a path keeps the current printer.
    if (const std::optional<std::string> serial = printer::SerialFromDisplayName(m_strPrinterText)) {
        if (std::optional<std::string> path = printer::RebuildDevicePath(m_strPathLog, *serial))
            m_strDevicePath = std::move(*path);
    }
    StopTimer(kLocateTimer);
    DiscoverySteps::ReadFirstSettings(*this);
    startStatusTimer();
    EnableItem(IDC_PRINTER_LIST, false);
}

void CStatusClientDlg::OnSelectPrinter() { EnableItem(IDC_PRINTER_LIST, true); }

void CStatusClientDlg::ShowNotFoundText() {
    if (const auto language = this->language()) SetDlgItemText(IDC_STATUS_LINE, status::kNotFoundText.in(*language));
}

void CStatusClientDlg::ResetInkDisplays() {
    SetPictureBitmap(IDC_PEN2_PICTURE, IDB_NO_PRINTER);
    SetPictureBitmap(IDC_PEN1_PICTURE, IDB_NO_PRINTER);
    for (int id : {IDC_PEN2_LEVEL, IDC_PEN2_LABEL, IDC_PEN1_LEVEL, IDC_PEN1_LABEL})
        SetDlgItemText(id, status::kNoPenLabel);
}
