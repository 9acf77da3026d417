#include "update/driver_swap.h"

#include <optional>
#include <vector>

#include "os/files.h"
#include "os/process.h"
#include "update/driver_files.h"
#include "update/replacement_check.h"
#include "update/spooler.h"
#include "update/swap_journal.h"
#include "update/update_manifest.h"

namespace update {

namespace {

struct FilePaths {
    std::string installed, backup, placed, previous;
};

FilePaths PathsOf(char letter, const std::string& systemDirectory, const std::string& stamp) {
    const DriverFile& file = DriverFileOf(letter);
    const std::string installed = InstalledPath(file, systemDirectory);
    return {installed,
            BackupPath(file, systemDirectory, stamp),
            SealedFolder(systemDirectory) + "\\" + std::string(file.name),
            PreviousPath(installed)};
}

void RemoveSealed(const std::string& systemDirectory) { os::RemovePrivateFolder(SealedFolder(systemDirectory)); }

// Copies the manifest and the replacements out of the caller's folder, which
// its owner can change at any moment, into a fresh folder nobody but an
// administrator can, and proves them there: what is checked is what goes in.
// False (with that folder gone again) when anything fails.
bool SealReplacements(const SwapRequest& request) {
    const std::string sealed = SealedFolder(request.systemDirectory);
    RemoveSealed(request.systemDirectory);  // a leftover of an interrupted run
    if (!os::CreateAdminOnlyFolder(sealed)) return false;
    std::vector<std::string> names = {kManifestName, kManifestSignatureName};
    for (char letter : request.letters) names.emplace_back(DriverFileOf(letter).name);
    for (const std::string& name : names) {
        if (!os::CopyToNewFile(request.stagingFolder + "\\" + name, sealed + "\\" + name)) {
            RemoveSealed(request.systemDirectory);
            return false;
        }
    }
    if (ReplacementsAuthentic(sealed, request.letters, request.systemDirectory)) return true;
    RemoveSealed(request.systemDirectory);
    return false;
}

bool WriteJournal(const SwapJournal& journal, const std::string& systemDirectory) {
    return os::WriteTextFileAtomically(JournalPath(systemDirectory), JournalText(journal));
}

// Puts back every file the journal moved aside, last first, and brings back any
// file that is missing from wherever its previous copy lies. True when every
// file of the run is present again under its own name.
bool Undo(const SwapJournal& journal, const std::string& systemDirectory) {
    for (auto move = journal.moved.rbegin(); move != journal.moved.rend(); ++move) {
        const FilePaths p = PathsOf(move->letter, systemDirectory, journal.stamp);
        const std::string& aside = move->aside == SwapJournal::Aside::Backup ? p.backup : p.previous;
        if (os::FileExists(aside)) os::MoveReplacing(aside, p.installed);
    }
    bool complete = true;
    for (char letter : journal.letters) {
        const FilePaths p = PathsOf(letter, systemDirectory, journal.stamp);
        // Moved aside, but the process died before the journal said so.
        if (!os::FileExists(p.installed) && !os::RenameFile(p.previous, p.installed)) {
            os::RenameFile(p.backup, p.installed);
        }
        complete = complete && os::FileExists(p.installed);
    }
    return complete;
}

// Finishes a swap that went wrong: undo, start the spooler, tidy up. The journal
// goes only when the undo is complete, so the next start tries again otherwise.
SwapOutcome RollBack(const SwapJournal& journal, const std::string& systemDirectory) {
    const bool complete = Undo(journal, systemDirectory);
    RemoveSealed(systemDirectory);
    if (complete) os::DeleteFile(JournalPath(systemDirectory));
    StartSpooler();
    return complete ? SwapOutcome::RolledBack : SwapOutcome::RollbackIncomplete;
}

std::optional<SwapJournal::Aside> MoveAside(const FilePaths& p) {
    if (os::RenameFile(p.installed, p.backup)) return SwapJournal::Aside::Backup;
    // The backup name is taken (an English run meets its first backup): the
    // installed copy still needs a place to come back from.
    os::DeleteFile(p.previous);
    if (os::RenameFile(p.installed, p.previous)) return SwapJournal::Aside::Previous;
    return std::nullopt;
}

// Moves each installed file aside and its replacement in, journalling each move
// before the file can go missing under its own name. False at the first failure.
bool SwapAll(SwapJournal& journal, const std::string& systemDirectory) {
    for (char letter : journal.letters) {
        const FilePaths p = PathsOf(letter, systemDirectory, journal.stamp);
        const std::optional<SwapJournal::Aside> aside = MoveAside(p);
        if (!aside) return false;
        journal.moved.push_back({letter, *aside});
        if (!WriteJournal(journal, systemDirectory)) return false;
        if (!os::MoveReplacing(p.placed, p.installed)) return false;
    }
    return true;
}

}  // namespace

SwapOutcome SwapDriverFiles(const SwapRequest& request) {
    const auto mutex = os::CreateOwnedMutex(kSwapMutexName);
    if (!mutex || mutex->alreadyExisted()) return SwapOutcome::Busy;
    if (!SealReplacements(request)) return SwapOutcome::Refused;
    SwapJournal journal{request.stamp, request.letters, {}};
    if (!StopSpooler()) {
        RemoveSealed(request.systemDirectory);
        StartSpooler();
        return SwapOutcome::SpoolerNotStopped;
    }
    if (!WriteJournal(journal, request.systemDirectory) || !SwapAll(journal, request.systemDirectory)) {
        return RollBack(journal, request.systemDirectory);
    }
    // A driver the spooler will not start with is no better than none.
    if (!StartSpooler()) {
        StopSpooler();
        return RollBack(journal, request.systemDirectory);
    }
    for (const SwapJournal::Move& move : journal.moved) {
        if (move.aside == SwapJournal::Aside::Previous) {
            os::DeleteFile(PathsOf(move.letter, request.systemDirectory, request.stamp).previous);
        }
    }
    os::DeleteFile(JournalPath(request.systemDirectory));
    RemoveSealed(request.systemDirectory);
    return SwapOutcome::Replaced;
}

bool SwapJournalPending(const std::string& systemDirectory) { return os::FileExists(JournalPath(systemDirectory)); }

bool ReplaySwapJournal(const std::string& systemDirectory) {
    const auto mutex = os::CreateOwnedMutex(kSwapMutexName);
    if (!mutex || mutex->alreadyExisted()) return false;
    const std::string path = JournalPath(systemDirectory);
    const std::optional<std::string> text = os::ReadTextFile(path);
    if (!text) return !os::FileExists(path);
    // A journal this program did not write names nothing it may move; the run
    // can only have used the previous-copy names, which are checked for all six.
    const SwapJournal journal = ParseJournal(*text).value_or(SwapJournal{{}, std::string(kMaskOrder), {}});
    // The spooler holds the driver files it loaded at boot.
    if (!StopSpooler()) {
        StartSpooler();
        return false;
    }
    return RollBack(journal, systemDirectory) == SwapOutcome::RolledBack;
}

}  // namespace update
