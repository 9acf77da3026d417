// Putting the maker's replacements in place of installed driver files, all or
// none: the replacements and their signed manifest are first copied out of the
// caller's folder into one only administrators can change, beside the targets
// (same volume), and proven there to be the maker's; only then, with the
// spooler confirmed stopped, is each installed file moved to its backup name and
// the replacement renamed into its place. A step that fails puts every file
// already swapped back from where it was moved to. A journal beside the files
// lets the next start finish that undo when the process dies halfway.
//
// Runs with administrator rights: in the program itself when it has them, else
// in an elevated copy of it (see elevated_install.h).
#pragma once

#include <string>

namespace update {

struct SwapRequest {
    std::string systemDirectory;
    std::string stamp;          // appended to the backup names (the German run), or empty
    std::string letters;        // the files to replace, in mask order
    std::string stagingFolder;  // the caller's: holds the manifest and each replacement, all untrusted
};

enum class SwapOutcome {
    Replaced,            // every file replaced; the spooler runs again
    Refused,             // a replacement could not be placed or failed its check: nothing touched, spooler untouched
    SpoolerNotStopped,   // nothing replaced; the spooler was asked to start again
    RolledBack,          // a step failed; every file is back as it was and the spooler was started
    RollbackIncomplete,  // the undo itself failed; the journal stays for the next start
    Busy,                // another swap is running: nothing touched
};

// Held by the one process that may swap or undo at a time, in any session.
inline constexpr const char* kSwapMutexName = "Global\\ZevStatusDriverSwap";

SwapOutcome SwapDriverFiles(const SwapRequest& request);

// Whether a journal of an interrupted swap waits below `systemDirectory`.
bool SwapJournalPending(const std::string& systemDirectory);
// Undoes the interrupted swap its journal describes, with the spooler stopped,
// and removes the journal. True when no journal is left.
bool ReplaySwapJournal(const std::string& systemDirectory);

}  // namespace update
