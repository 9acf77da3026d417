// The command line of the elevated install, which runs with administrator
// rights on whatever anybody passed it: whatever it accepts must name only a
// run folder, known driver files and well-formed values, and must read back the
// same from the arguments the program itself would build for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/driver_files.h"
#include "update/elevated_install.h"
#include "update/swap_journal.h"

// No part of the folder is "." or "..", so it cannot climb out of where it names.
static bool RelativePartsAbsent(std::string_view folder) {
    while (!folder.empty()) {
        const std::size_t slash = folder.find('\\');
        const std::string_view part = folder.substr(0, slash);
        if (part == "." || part == "..") return false;
        folder.remove_prefix(slash == std::string_view::npos ? folder.size() : slash + 1);
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto request = update::ParseElevatedCommandLine(line);
    if (request && request->kind == update::ElevatedRequest::Kind::Install) {
        if (request->letters.empty() || !RelativePartsAbsent(request->stagingFolder)) std::abort();
        for (char letter : request->letters) {
            if (update::kMaskOrder.find(letter) == std::string_view::npos) std::abort();
        }
        for (const auto& [letter, hex] : request->sha256) {
            if (request->letters.find(letter) == std::string::npos || hex.size() != 64) std::abort();
        }
        const update::SwapRequest swap{
            "C:\\windows\\system32", request->stamp, request->letters, request->stagingFolder, request->sha256};
        if (update::ParseElevatedCommandLine("x " + update::ElevatedArguments(swap)) != request) std::abort();
    }
    // The journal is read with the same rights, from the driver folder.
    if (const auto journal = update::ParseJournal(line)) {
        if (update::ParseJournal(update::JournalText(*journal)) != journal) std::abort();
    }
    return 0;
}
