#include "app/start_dlg.h"

#include "res/resource.h"

namespace {
constexpr int kProgressEnd = 100;
}  // namespace

StartDialogBase::StartDialogBase(int templateId, ui::Dialog* parent) : BlackOnWhiteDialog(templateId, parent) {}

bool StartDialogBase::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    ProgressSetRange(IDC_START_PROGRESS, 0, kProgressEnd);
    SetDlgItemText(IDC_PRINTER_TEXT, m_strPrinter);
    SetTimer(kCloseTimer, kCloseDelayMs);
    return true;
}

void StartDialogBase::OnTimer(unsigned id) {
    if (id != kCloseTimer) return;
    KillTimer(kCloseTimer);
    RunProgress();
    OnCancel();
}

void StartDialogBase::RunProgress() {
    for (int pos = 0; pos <= kProgressEnd; ++pos) ProgressSetPos(IDC_START_PROGRESS, pos);
}

CStartDlg::CStartDlg(ui::Dialog* parent) : StartDialogBase(IDD_START_DE, parent) {}

// Enter fills the bar and leaves the German dialog to close by itself, so its
// settings reads still follow. deliberate(D11)
void CStartDlg::OnOK() { RunProgress(); }

CstartEDlg::CstartEDlg(ui::Dialog* parent) : StartDialogBase(IDD_START_EN, parent) {}
