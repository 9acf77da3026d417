// The command line of the elevated install, which runs with administrator
// rights on whatever anybody passed it (and the files it reads): whatever it accepts must name only a
// run folder, known driver files and well-formed values, and must read back the
// same from the arguments the program itself would build for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/driver_files.h"
#include "update/elevated_install.h"
#include "update/swap_journal.h"
#include "update/update_manifest.h"

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
        const update::SwapRequest swap{
            "C:\\windows\\system32", request->stamp, request->letters, request->stagingFolder};
        if (update::ParseElevatedCommandLine("x " + update::ElevatedArguments(swap)) != request) std::abort();
    }
    // The journal is read with the same rights, from the driver folder.
    if (const auto journal = update::ParseJournal(line)) {
        if (update::ParseJournal(update::JournalText(*journal)) != journal) std::abort();
    }
    // So are the manifest and its signature, from the caller's run folder.
    if (const auto manifest = update::ParseManifest(line)) {
        for (const auto& [name, entry] : *manifest) {
            if (entry.size == 0 || entry.sha256.size() != 64 || name.size() != 11) std::abort();
        }
    }
    if (update::SignatureFromDer(line) && line.size() > 72) std::abort();
    return 0;
}
