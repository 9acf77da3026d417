// Putting verified replacements in place of installed driver files, all or
// none: each replacement is first copied beside its target (same volume, a
// folder only administrators can write), checked there, and only then, with the
// spooler confirmed stopped, is each installed file moved to its backup name and
// the replacement renamed into its place. A step that fails puts every file
// already swapped back from where it was moved to. A journal beside the files
// lets the next start finish that undo when the process dies halfway.
//
// Runs with administrator rights: in the program itself when it has them, else
// in an elevated copy of it (see elevated_install.h).
#pragma once

#include <map>
#include <string>

namespace update {

struct SwapRequest {
    std::string systemDirectory;
    std::string stamp;                   // appended to the backup names (the German run), or empty
    std::string letters;                 // the files to replace, in mask order
    std::string stagingFolder;           // holds each replacement under its installed name
    std::map<char, std::string> sha256;  // per letter, when the version file gave one
};

enum class SwapOutcome {
    Replaced,            // every file replaced; the spooler runs again
    Refused,             // a replacement could not be placed or failed its check: nothing touched, spooler untouched
    SpoolerNotStopped,   // nothing replaced; the spooler was asked to start again
    RolledBack,          // a step failed; every file is back as it was and the spooler was started
    RollbackIncomplete,  // the undo itself failed; the journal stays for the next start
};

SwapOutcome SwapDriverFiles(const SwapRequest& request);

// Whether a journal of an interrupted swap waits below `systemDirectory`.
bool SwapJournalPending(const std::string& systemDirectory);
// Undoes the interrupted swap its journal describes, with the spooler stopped,
// and removes the journal. True when no journal is left.
bool ReplaySwapJournal(const std::string& systemDirectory);

}  // namespace update
