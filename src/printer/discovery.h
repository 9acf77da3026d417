// Discovery helpers shared with the status poller.
#pragma once

class CStatusClientDlg;

// Starts the locate and ready-wait timers unless they already run. Restarting
// a running timer resets its countdown, so the status timer's once-a-second
// failures would otherwise keep pushing discovery back and it would never run.
void KeepLookingForPrinter(CStatusClientDlg& dlg);
