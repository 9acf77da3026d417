#include "update/install_dialog.h"

#include "os/clock.h"
#include "os/download.h"
#include "os/files.h"
#include "update/backup_stamp.h"
#include "update/driver_files.h"
#include "update/replacement_check.h"
#include "update/spooler.h"
#include "update/update_result_dialogs.h"
#include "update/update_server.h"

namespace update {

namespace {

constexpr const char* kDownloadCompleteText = "Download complete.";

}  // namespace

void InstallDialog::OnOK() {
    if (german()) {
        // The German run stamps its backups with the minute it starts in.
        m_strTimestamp = BackupStamp(os::GetLocalTime());
        ui::AfxMessageBox(m_strTimestamp, ui::MB_OK);
    }
    StopSpooler();
    m_pending = PendingFlagsOf(m_strUpdateMask);
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
        if (m_pending[i] == 1 && replace(i)) m_pending[i] = 0;
    }
    setStatus(kDownloadCompleteText);
    StartSpooler();
    ShowInstallResult();
}

bool InstallDialog::replace(std::size_t maskPosition) {
    const DriverFile& file = DriverFileOf(kMaskOrder[maskPosition]);
    const std::string systemDirectory = os::SystemDirectory();
    const std::string installed = InstalledPath(file, systemDirectory);
    // A rename that fails (no file, file in use, backup already there) leaves the
    // file under its own name; the download then replaces it in place.
    os::RenameFile(installed, BackupPath(file, systemDirectory, german() ? m_strTimestamp : std::string()));
    setStatus(DownloadingText(file));
    const bool downloaded = os::DownloadToFile(UpdateServerBase() + ReplacementUrlPath(file), installed);
    if (!downloaded || !os::FileExists(installed)) return false;
    if (!ReplacementMatches(installed, m_expectedDigests[maskPosition])) {
        // A file that is not the announced one must not stay in the driver's place.
        os::DeleteFile(installed);
        return false;
    }
    return true;
}

void InstallDialog::setStatus(const std::string& text) {
    m_strStatus = text;
    SetDlgItemText(IDC_UPDATE_STATUS, text);
    // Painted now: the download that follows keeps the thread busy.
    RedrawItem(IDC_UPDATE_STATUS);
}

void InstallDialog::ShowInstallResult() {
    if (!AnySet(m_pending)) {
        if (ui::RunTwin<CUpdSuccess, CUpdSuccessEDlg>(language(), this) == -1) {
            ui::AfxMessageBox(kResultDialogFailedText, ui::MB_OK);
            return;
        }
        OnCancel();
        return;
    }
    switch (ui::RunTwin<CUpdErrorDlg, CUpdErrorEDlg>(language(), this)) {
        case -1: ui::AfxMessageBox(kResultDialogFailedText, ui::MB_OK); return;
        case ui::IDOK: return;  // stays open: its own "Ja"/"Yes" starts the next run
        default: OnCancel(); return;
    }
}

}  // namespace update
