// Finding the attached ZEV printers on the installed device bus, without any
// window: the command-line tool's counterpart of the discovery passes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct FoundPrinter {
    std::string devicePath;
    std::string deviceId;
};

// Which listed paths are worth opening. The Windows and emulated buses list every
// USB printer interface, so the product part of the path decides; a bus that
// has already looked at the product id accepts every path it lists.
using CandidateTest = std::function<bool(std::string_view path)>;
CandidateTest InterfacePathCandidates();
CandidateTest EveryListedPath();

// Whether a device ID cached by the system before the printer was opened
// already names another maker or model. A missing or damaged ID rules nothing
// out: the live ID decides.
bool NamesAnotherPrinter(std::string_view cachedId);

// Every candidate whose device ID can be read and names a ZEV printer, in the
// bus's order. A candidate that cannot be opened or refuses the request is left
// out, as is one whose ID lacks a key: no message is shown.
std::vector<FoundPrinter> FindZevPrinters(const CandidateTest& isCandidate);

}  // namespace cli
