// The confirmation that the settings were sent to the printer.
#pragma once

#include "res/resource.h"
#include "settings/plain_notice_dlg.h"

class CTransferDlg : public settings::PlainNoticeDlg {
public:
    explicit CTransferDlg(ui::Dialog* parent = nullptr) : PlainNoticeDlg(IDD_TRANSFER_DE, parent) {}
};

class CTransferEDlg : public settings::PlainNoticeDlg {
public:
    explicit CTransferEDlg(ui::Dialog* parent = nullptr) : PlainNoticeDlg(IDD_TRANSFER_EN, parent) {}
};
