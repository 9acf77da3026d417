// The swap of driver files needs administrator rights. A program without them
// starts an elevated copy of itself with a private argument that names the
// run's staging folder, the mask and the backup stamp; the copy swaps and ends
// with an exit code that says how it went. The dialogs stay in the program
// that asked.
//
// The copy runs with administrator rights on a command line anybody could have
// written, so its parser accepts exactly the form below and nothing else. The
// folder is only where to look: the copy writes nothing there and trusts
// nothing it reads there before the maker's signature has proven it (see
// driver_swap.h); it only ever changes the six driver files in their two
// folders.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "update/driver_swap.h"

namespace update {

inline constexpr std::string_view kElevatedInstallSwitch = "--zev-elevated-install";
inline constexpr std::string_view kElevatedRecoverSwitch = "--zev-elevated-recover";

// Exit codes of the elevated copy.
inline constexpr int kExitReplaced = 0;
inline constexpr int kExitBadArguments = 64;
inline constexpr int kExitNotElevated = 65;
// Any other code: 1 + the SwapOutcome that ended the swap.

struct ElevatedRequest {
    enum class Kind { Install, Recover };
    Kind kind = Kind::Install;
    std::string stagingFolder;
    std::string letters;  // from the mask, in mask order
    std::string stamp;    // " DDMMYYYY HHMM" or empty

    friend bool operator==(const ElevatedRequest&, const ElevatedRequest&) = default;
};

// The arguments (without the program path) that ask for `request`:
//   --zev-elevated-install "<staging folder>" <mask> <DDMMYYYYHHMM or ->
//   --zev-elevated-recover
std::string ElevatedArguments(const SwapRequest& request);
std::string RecoverArguments();

// The request in a whole command line (program path first), or nullopt when
// the line is anything but one of the two forms above with valid values.
std::optional<ElevatedRequest> ParseElevatedCommandLine(std::string_view commandLine);

// Whether the command line asks for the elevated mode at all (its second word
// is one of the two switches), valid or not.
bool AsksForElevatedMode(std::string_view commandLine);

// The elevated mode: carries out the request of `commandLine` and gives the
// process's exit code.
int RunElevatedMode(std::string_view commandLine);

// Puts the staged replacements in place: in this process when it has
// administrator rights, else through an elevated copy. The letters replaced
// (every letter of the request, or none).
std::string InstallWithRights(const SwapRequest& request);

// At start-up: undoes a swap that a dead process left halfway, elevating for
// it when needed. Nothing happens when no journal waits.
void RecoverInterruptedSwap();

}  // namespace update
