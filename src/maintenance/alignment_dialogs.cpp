#include "maintenance/alignment_dialogs.h"

#include "maintenance/alignment_check.h"
#include "maintenance/maintenance_task.h"
#include "os/device_bus.h"
#include "printer/command_channel.h"

namespace maintenance {

bool AlignmentDialog::OnInitDialog() {
    ShowItem(IDC_WAIT_TEXT, false);
    ShowItem(IDC_AUTOCLOSE_TEXT, false);
    ShowItem(IDC_INSTRUCTION, true);
    m_bBlink = false;
    showPrinterText();
    return true;
}

void AlignmentDialog::OnStart() {
    switchToProgress();
    startBlinking();
    // Without a device nothing is sent and nothing is watched: the user closes the dialog.
    const auto device = os::deviceBus().open(m_strDevicePath, os::OpenMode::SharedWrite);
    if (!device) return;
    printer::SendCommand(*device, printer::FrameKind::ButtonOneWrite, kAlignTask.command);
    SetTimer(kCloseTimer, kAlignTask.closeTimerMs);
}

void AlignmentDialog::OnCloseTimer() {
    const std::optional<int> state = ReadAlignmentState(m_strDevicePath);
    if (!state) return;
    SetDlgItemInt(IDC_MAINT_STATE, *state, true);
    if (*state == 0) EndDialog(ui::IDOK);
}

}  // namespace maintenance
