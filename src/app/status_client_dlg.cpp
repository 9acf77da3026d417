#include "app/status_client_dlg.h"

#include "res/resource.h"

CStatusClientDlg::CStatusClientDlg() : ui::Dialog(IDD_MAIN) {}
