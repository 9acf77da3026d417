#include "update/install_dialog.h"

#include "os/clock.h"
#include "os/download.h"
#include "os/files.h"
#include "update/backup_stamp.h"
#include "update/download_limits.h"
#include "update/driver_files.h"
#include "update/elevated_install.h"
#include "update/replacement_check.h"
#include "update/update_manifest.h"
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
    m_pending = PendingFlagsOf(m_strUpdateMask);
    {
        // The run's folder goes before the result is shown.
        const std::optional<RunFolder> folder = RunFolder::Create();
        SwapRequest request{os::SystemDirectory(), german() ? m_strTimestamp : std::string(), {}, {}};
        // Every replacement is had and checked before anything installed is touched.
        bool staged = folder.has_value() && fetchManifest(*folder);
        for (std::size_t i = 0; staged && i < m_pending.size(); ++i) {
            if (m_pending[i] == 1) staged = stage(i, *folder, request);
        }
        setStatus(kDownloadCompleteText);
        // Checked here too, so that a server without the maker's signature
        // fails without asking for administrator rights first.
        staged = staged && ReplacementsAuthentic(folder->path(), request.letters, request.systemDirectory);
        if (staged && !request.letters.empty()) {
            request.stagingFolder = folder->path();
            for (char replaced : InstallWithRights(request)) m_pending[kMaskOrder.find(replaced)] = 0;
        }
    }
    ShowInstallResult();
}

bool InstallDialog::stage(std::size_t maskPosition, const RunFolder& folder, SwapRequest& request) {
    const DriverFile& file = DriverFileOf(kMaskOrder[maskPosition]);
    setStatus(DownloadingText(file));
    const std::string staged = folder.file(std::string(file.name));
    const ExpectedDigest& digest = m_expectedDigests[maskPosition];
    if (!os::DownloadToFile(UpdateServerBase() + ReplacementUrlPath(file), staged, ReplacementLimits())) return false;
    if (!ReplacementAcceptable(staged, digest, InstalledPath(file, request.systemDirectory))) return false;
    request.letters += file.letter;
    return true;
}

bool InstallDialog::fetchManifest(const RunFolder& folder) {
    for (const char* name : {kManifestName, kManifestSignatureName}) {
        const std::string url = UpdateServerBase() + ReplacementUrlPath(name);
        if (!os::DownloadToFile(url, folder.file(name), VersionFileLimits())) return false;
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
