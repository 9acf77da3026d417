// The notice that the settings cannot be sent because the printer is busy or
// in an error state. The class names are swapped against the usual pattern:
// the German program runs CNotreadyEDlg on the German template, the English
// program CNotreadyDlg on the English one. deliberate(D9)
#pragma once

#include "res/resource.h"
#include "settings/plain_notice_dlg.h"

class CNotreadyEDlg : public settings::PlainNoticeDlg {
public:
    explicit CNotreadyEDlg(ui::Dialog* parent = nullptr) : PlainNoticeDlg(IDD_NOTREADY_DE, parent) {}
};

class CNotreadyDlg : public settings::PlainNoticeDlg {
public:
    explicit CNotreadyDlg(ui::Dialog* parent = nullptr) : PlainNoticeDlg(IDD_NOTREADY_EN, parent) {}
};
