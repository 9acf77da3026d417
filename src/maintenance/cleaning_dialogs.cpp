#include "maintenance/cleaning_dialogs.h"

#include "printer/command_channel.h"

namespace maintenance {

bool CleaningDialog::OnInitDialog() {
    showPrinterText();
    ShowItem(IDC_WAIT_TEXT, false);
    ShowItem(IDC_AUTOCLOSE_TEXT, false);
    ShowItem(IDC_INSTRUCTION, true);
    m_bBlink = false;
    m_device = os::deviceBus().open(m_strDevicePath, os::OpenMode::SharedWrite);
    return true;
}

void CleaningDialog::OnStart() {
    switchToProgress();
    startBlinking();
    // The dialog closes after the cleaning's time whether or not anything was sent.
    SetTimer(kCloseTimer, m_task.closeTimerMs);
    if (!m_device) return;
    printer::SendCommand(*m_device, printer::FrameKind::ButtonTwoWrites, m_task.command);
    m_device.reset();
}

void CleaningDialog::OnCloseTimer() { OnCancel(); }

}  // namespace maintenance
