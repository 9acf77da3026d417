#include "maintenance/reset_calibration_dialogs.h"

#include <array>

#include "maintenance/maintenance_task.h"
#include "os/device_bus.h"
#include "printer/command_channel.h"

namespace maintenance {

namespace {

constexpr std::array<int, 1> kInstruction = {IDC_WAIT_TEXT};

}  // namespace

bool ResetCalibrationDialog::OnInitDialog() {
    m_bBlink = false;
    startBlinking();
    showPrinterText();
    return true;
}

void ResetCalibrationDialog::OnStart() {
    EnableItem(ui::IDOK, false);
    UpdateData(true);
    {
        // Without a device nothing is sent; START stays disabled and the user closes the dialog.
        const auto device = os::deviceBus().open(m_strDevicePath, os::OpenMode::SharedWrite);
        if (!device) return;
        printer::SendCommand(*device, printer::FrameKind::Reset, kResetCalibrationTask.command);
    }
    ui::MessageBox(kResetDoneText, kResetDoneCaption, ui::MB_OK);
    OnCancel();
}

std::span<const int> ResetCalibrationDialog::progressStatics() const { return kInstruction; }

}  // namespace maintenance
