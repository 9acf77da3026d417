// Transitional: the maintenance and update commands of the main window, whose
// implementation is being written. Each is removed from here as it lands.
#include "app/status_client_dlg.h"

void CStatusClientDlg::OnOnlineUpdate() {}
