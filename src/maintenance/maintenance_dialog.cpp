#include "maintenance/maintenance_dialog.h"

#include <algorithm>
#include <array>

#include "maintenance/maintenance_task.h"
#include "res/resource.h"
#include "ui/black_on_white.h"

namespace maintenance {

namespace {

constexpr std::array<int, 2> kProgressStatics = {IDC_WAIT_TEXT, IDC_AUTOCLOSE_TEXT};
constexpr ui::Colour kBlinkRed = ui::RGB(255, 0, 0);

}  // namespace

void MaintenanceDialog::DoDataExchange(ui::DataExchange& dx) { ui::DDX_Text(dx, IDC_PRINTER_TEXT, m_strPrinterText); }

void MaintenanceDialog::OnOK() {
    // Enter still reaches OK after START is disabled; the command goes out once.
    if (m_bStarted) return;
    m_bStarted = true;
    OnStart();
}

void MaintenanceDialog::OnTimer(unsigned id) {
    if (id == kCloseTimer) {
        OnCloseTimer();
        return;
    }
    if (id != kBlinkTimer) return;
    m_bBlink = !m_bBlink;
    for (int statics : progressStatics()) RedrawItem(statics);
}

ui::CtlColor MaintenanceDialog::OnCtlColor(int ctrlId) {
    const auto blinking = progressStatics();
    const bool progress = std::find(blinking.begin(), blinking.end(), ctrlId) != blinking.end();
    return ui::BlackOnWhite((progress && m_bBlink) ? kBlinkRed : ui::kBlack);
}

std::span<const int> MaintenanceDialog::progressStatics() const { return kProgressStatics; }

void MaintenanceDialog::showPrinterText() { SetDlgItemText(IDC_PRINTER_TEXT, m_strPrinterText); }

void MaintenanceDialog::startBlinking() { SetTimer(kBlinkTimer, kBlinkIntervalMs); }

void MaintenanceDialog::switchToProgress() {
    ShowItem(IDC_INSTRUCTION, false);
    ShowItem(IDC_WAIT_TEXT, true);
    ShowItem(IDC_AUTOCLOSE_TEXT, true);
    EnableItem(ui::IDOK, false);
    UpdateData(true);
}

}  // namespace maintenance
