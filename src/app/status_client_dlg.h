// The main window: hidden behind the notification-area icon, it owns the printer
// state, the status display and the settings controls.
#pragma once

#include "ui/dialog.h"

class CStatusClientDlg : public ui::Dialog {
public:
    CStatusClientDlg();
};
