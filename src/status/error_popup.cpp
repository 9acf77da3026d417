#include "status/error_popup.h"

#include <array>
#include <cassert>
#include <cstdlib>
#include <memory>

#include "os/clock.h"
#include "os/device_bus.h"
#include "printer/commands.h"
#include "res/resource.h"
#include "status/status_readers.h"
#include "ui/twin_dialog.h"

namespace status {

namespace {

constexpr int kNone = 0;

constexpr std::array<ErrorPopupRow, 8> kRows = {{
    {PopupKind::Cover, IDD_LID_DE, IDD_LID_EN, WatchedField::CoverDigit, false, IDC_LID_VALUE, IDC_LID_VALUE},
    {PopupKind::OutOfPaper,
     IDD_OUTOFPAPER_DE,
     IDD_OUTOFPAPER_EN,
     WatchedField::StateCode,
     true,
     IDC_OUTOFPAPER_VALUE,
     kNone},
    {PopupKind::PaperJam,
     IDD_PAPERJAM_DE,
     IDD_PAPERJAM_EN,
     WatchedField::StateCode,
     false,
     IDC_PAPERJAM_VALUE,
     IDC_PAPERJAM_VALUE},
    {PopupKind::CarriageStall,
     IDD_CARRIAGESTALL_DE,
     IDD_CARRIAGESTALL_EN,
     WatchedField::StateCode,
     true,
     IDC_CARRIAGESTALL_VALUE,
     IDC_CARRIAGESTALL_VALUE},
    {PopupKind::PaperMotorStall,
     IDD_PAPERMOTORSTALL_DE,
     IDD_PAPERMOTORSTALL_EN,
     WatchedField::StateCode,
     true,
     IDC_PAPERMOTORSTALL_VALUE,
     IDC_PAPERMOTORSTALL_VALUE},
    {PopupKind::PenFailure,
     IDD_PENFAILURE_DE,
     IDD_PENFAILURE_EN,
     WatchedField::StateCode,
     true,
     IDC_PENFAILURE_VALUE,
     IDC_PENFAILURE_VALUE},
    {PopupKind::SevereHardError,
     IDD_SEVEREERROR_DE,
     IDD_SEVEREERROR_EN,
     WatchedField::StateCode,
     true,
     IDC_SEVEREERROR_VALUE,
     IDC_SEVEREERROR_VALUE},
    {PopupKind::UnknownError,
     IDD_UNKNOWNERROR_DE,
     IDD_UNKNOWNERROR_EN,
     WatchedField::StateCode,
     true,
     IDC_UNKNOWNERROR_VALUE,
     IDC_UNKNOWNERROR_VALUE},
}};

// The cover nibble with bit 3 set and bit 0 clear: the cover is reported closed.
constexpr int kCoverClosedDigit = 8;
constexpr int kStateReady = 0x00;
constexpr int kStatePrinting = 0x02;
constexpr unsigned kCancelPrintSettleMs = 300;

template <class German, class English>
int RunTwin(Language language, ui::Dialog* parent, const std::string& devicePath) {
    return ui::RunTwin<German, English>(language, parent, [&](auto& popup) { popup.m_strDevicePath = devicePath; });
}

}  // namespace

const ErrorPopupRow& ErrorPopupRowOf(PopupKind kind) {
    for (const ErrorPopupRow& row : kRows) {
        if (row.kind == kind) return row;
    }
    // Only the self-closing popups have a row. Another kind here is a
    // programming error, stopped in every build rather than answered with a
    // row that belongs to a different window.
    assert(false && "ErrorPopupRowOf: a kind without a row");
    std::abort();
}

int WatchedValue(const ErrorPopupRow& row, std::string_view statusValue) {
    return row.field == WatchedField::CoverDigit ? readCoverDigit(statusValue) : readState(statusValue);
}

bool ConditionCleared(const ErrorPopupRow& row, int watchedValue) {
    if (row.field == WatchedField::CoverDigit) return watchedValue == kCoverClosedDigit;
    return watchedValue == kStateReady || (row.clearsWhenPrinting && watchedValue == kStatePrinting);
}

ErrorPopup::ErrorPopup(PopupKind kind, Language language, ui::Dialog* parent)
    : WatchingDialog(language == Language::German ? ErrorPopupRowOf(kind).templateDe : ErrorPopupRowOf(kind).templateEn,
                     parent),
      m_row(ErrorPopupRowOf(kind)), m_numberControl(language == Language::German ? m_row.numberDe : m_row.numberEn) {}

void ErrorPopup::onStatusValue(std::string_view value) {
    const int watched = WatchedValue(m_row, value);
    if (m_numberControl != kNone) SetDlgItemInt(m_numberControl, watched);
    if (ConditionCleared(m_row, watched)) closeWith(ui::IDOK);
}

// Esc asks the printer to drop the job and shows what was sent, byte for byte,
// so a support call can read it out; the popup then stays open without
// watching, until the user closes it with OK. deliberate(D2)
void OutofPaperDlg::OnCancel() {
    stopWatching();
    const std::unique_ptr<os::DeviceHandle> device =
        os::deviceBus().open(m_strDevicePath, os::OpenMode::ExclusiveReadWrite);
    if (!device) return;
    const auto& bytes = printer::kCancelPrintBytes;
    // The box shows the sequence as a text, which ends at its first zero byte.
    std::string shown;
    for (std::uint8_t byte : bytes) {
        if (byte == 0) break;
        shown.push_back(static_cast<char>(byte));
    }
    ui::MessageBox(shown, "cancelprint", ui::MB_OK);
    device->write(bytes);
    os::Sleep(kCancelPrintSettleMs);
}

FormFeedneededDlg::FormFeedneededDlg(ui::Dialog* parent) : ui::Dialog(IDD_FORMFEED_DE, parent) {}
FormFeedneededEDlg::FormFeedneededEDlg(ui::Dialog* parent) : ui::Dialog(IDD_FORMFEED_EN, parent) {}

int RunErrorPopup(PopupKind kind, Language language, ui::Dialog* parent, const std::string& devicePath) {
    switch (kind) {
        case PopupKind::Cover: return RunTwin<LidDlg, LidEDlg>(language, parent, devicePath);
        case PopupKind::IncompleteJob:
            return RunTwin<FormFeedneededDlg, FormFeedneededEDlg>(language, parent, devicePath);
        case PopupKind::OutOfPaper: return RunTwin<OutofPaperDlg, OutofPaperEDlg>(language, parent, devicePath);
        case PopupKind::PaperJam: return RunTwin<PaperJamDlg, PaperJamEDlg>(language, parent, devicePath);
        case PopupKind::CarriageStall:
            return RunTwin<CarriageStallDlg, CarriageStallEDlg>(language, parent, devicePath);
        case PopupKind::PaperMotorStall:
            return RunTwin<PaperMotorStallDlg, PaperMotorStallEDlg>(language, parent, devicePath);
        case PopupKind::PenFailure: return RunTwin<PenFailureDlg, PenFailureEDlg>(language, parent, devicePath);
        case PopupKind::SevereHardError:
            return RunTwin<SevereHardErrorDlg, SevereHardErrorEDlg>(language, parent, devicePath);
        case PopupKind::UnknownError: return RunTwin<UnknownErrorDlg, UnknownErrorEDlg>(language, parent, devicePath);
        case PopupKind::InkLevel:
        case PopupKind::LowInk: break;  // opened with their own hand-over values
    }
    return -1;
}

}  // namespace status
