// The record an install keeps while it swaps driver files, so that a run cut
// short (the process killed, the power gone) between moving an installed file
// aside and putting its replacement in place can be undone at the next start.
//
// It lives in the driver folder, beside the files it protects: only an
// administrator can write there, so whoever replays it may trust where it came
// from. Its content is still checked as strictly as any other input.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace update {

struct SwapJournal {
    // How an installed file was moved aside: under its backup name, or (when
    // that name was taken already) under the run's private previous-copy name.
    enum class Aside : char { Backup = 'b', Previous = 'p' };
    struct Move {
        char letter;
        Aside aside;
        friend bool operator==(const Move&, const Move&) = default;
    };

    std::string stamp;        // the German run's backup stamp, or empty
    std::string letters;      // the files of the run, in mask order
    std::vector<Move> moved;  // in the order they happened

    friend bool operator==(const SwapJournal&, const SwapJournal&) = default;
};

std::string JournalText(const SwapJournal& journal);
// nullopt for anything that is not a journal this program wrote: unknown or
// repeated letters, a stamp of another form, a move of a file not in the run.
std::optional<SwapJournal> ParseJournal(std::string_view text);

// Where the journal of the driver files below `systemDirectory` lives.
std::string JournalPath(const std::string& systemDirectory);

// Where the replacements wait to be swapped in: a folder of administrators
// only, beside the driver files, so each goes into place by a rename.
std::string SealedFolder(const std::string& systemDirectory);
// The transient name beside an installed file when the backup name was taken.
std::string PreviousPath(const std::string& installed);

}  // namespace update
