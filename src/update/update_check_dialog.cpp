#include "update/update_check_dialog.h"

#include <optional>

#include "os/download.h"
#include "os/files.h"
#include "update/download_limits.h"
#include "update/driver_files.h"
#include "update/install_dialog.h"
#include "update/run_folder.h"
#include "update/update_result_dialogs.h"
#include "update/update_server.h"

namespace update {

namespace {

std::size_t tableIndexOf(char letter) { return static_cast<std::size_t>(letter - 'a'); }

const char* fileMissingText(Language language) {
    return language == Language::German ? "Datei nicht gefunden ! Eventuell kein ZEV Treiber installiert !"
                                        : "File not found ! Maybe no ZEV driver installed !";
}

}  // namespace

bool UpdateCheckDialog::OnInitDialog() {
    UpdateDialog::OnInitDialog();
    m_bVersionFilesUnobtainable = 0;
    const std::string systemDirectory = os::SystemDirectory();
    for (char letter : kExaminationOrder) {
        const DriverFile& file = DriverFileOf(letter);
        const std::optional<os::FileStatus> status = os::GetFileStatus(InstalledPath(file, systemDirectory));
        if (!status) {
            ui::AfxMessageBox(fileMissingText(language()), ui::MB_OK | ui::MB_ICONEXCLAMATION);
            OnCancel();
            continue;
        }
        const std::size_t i = tableIndexOf(letter);
        m_localDateTexts[i] = LocalDateText(status->lastWriteUtc);
        m_localDates[i] = ParseDateText(m_localDateTexts[i]);
    }
    return true;
}

bool UpdateCheckDialog::fetchVersionFiles() {
    const std::string server = UpdateServerBase();
    if (const std::optional<std::string> problem = ServerAddressProblem(server)) {
        ui::AfxMessageBox(*problem, ui::MB_OK | ui::MB_ICONSTOP);
        return false;
    }
    // A folder of this check's own: no file in it can stand in for a failed download.
    const std::optional<RunFolder> folder = RunFolder::Create();
    if (!folder) return false;
    for (std::size_t position = 0; position < kMaskOrder.size(); ++position) {
        const DriverFile& file = DriverFileOf(kMaskOrder[position]);
        const std::string local = folder->file(VersionFileName(file));
        if (!os::DownloadToFile(server + VersionFileUrlPath(file), local, VersionFileLimits())) return false;
        const std::optional<std::string> content = os::ReadTextFile(local);
        if (!content) return false;
        const VersionFile version = ParseVersionFile(*content);
        m_remoteDates[tableIndexOf(file.letter)] = version.date;
        m_digests[position] = version.digest;
        os::DeleteFile(local);
    }
    return true;
}

void UpdateCheckDialog::OnOK() {
    // A check repeated after a result window failed to open starts afresh.
    m_bVersionFilesUnobtainable = fetchVersionFiles() ? 0 : 1;
    if (m_bVersionFilesUnobtainable == 1) {
        runResult(ui::RunTwin<CUpdOnlErrorDlg, CUpdOnlErrorEDlg>(language(), this));
        return;
    }
    for (std::size_t position = 0; position < kMaskOrder.size(); ++position) {
        const std::size_t i = tableIndexOf(kMaskOrder[position]);
        m_newer[position] = IsNewer(m_localDates[i], m_remoteDates[i]) ? 1 : 0;
    }
    m_strUpdateMask = UpdateMaskOf(m_newer);
    runResult(AnySet(m_newer) ? runInstall() : ui::RunTwin<CNoUpdFoundDlg, CNoUpdFoundEDlg>(language(), this));
}

int UpdateCheckDialog::runInstall() {
    return ui::RunTwin<CUpdFoundDlg, CUpdFoundEDlg>(language(), this, [this](InstallDialog& install) {
        install.m_strUpdateMask = m_strUpdateMask;
        install.m_expectedDigests = m_digests;
    });
}

void UpdateCheckDialog::runResult(int result) {
    if (result == -1) {
        ui::AfxMessageBox(kResultDialogFailedText, ui::MB_OK);
        return;
    }
    OnCancel();
}

}  // namespace update
