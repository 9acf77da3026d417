#include "update/replacement_check.h"

#include "os/files.h"
#include "os/hash.h"
#include "os/signature.h"
#include "update/download_limits.h"
#include "update/driver_files.h"
#include "update/update_manifest.h"

namespace update {

bool ReplacementMatches(const std::string& path, const ExpectedDigest& expected) {
    switch (expected.kind) {
        case ExpectedDigest::Kind::None: return true;
        case ExpectedDigest::Kind::Unusable: return false;
        case ExpectedDigest::Kind::Sha256: {
            const auto actual = os::Sha256OfFile(path);
            return actual && *actual == expected.hex;
        }
    }
    return false;
}

bool ReplacementAcceptable(const std::string& path, const ExpectedDigest& expected, const std::string& installed) {
    const std::optional<os::FileStatus> status = os::GetFileStatus(path);
    if (!status || status->size == 0 || status->size > kMaxDriverFileBytes) return false;
    if (!ReplacementMatches(path, expected)) return false;
    // A signed driver file is only ever replaced by one whose signature holds.
    return os::FileSignature(installed) == os::Signature::None || os::FileSignature(path) == os::Signature::Valid;
}

bool ReplacementsAuthentic(const std::string& folder, std::string_view letters, const std::string& systemDirectory) {
    const auto text = os::ReadFileBytes(folder + "\\" + kManifestName);
    const auto signature = os::ReadFileBytes(folder + "\\" + kManifestSignatureName);
    if (!text || !signature) return false;
    const std::optional<Manifest> manifest = VerifiedManifest(*text, *signature);
    if (!manifest) return false;
    for (char letter : letters) {
        const DriverFile& file = DriverFileOf(letter);
        const auto entry = manifest->find(file.name);
        const std::string path = folder + "\\" + std::string(file.name);
        const std::string installed = InstalledPath(file, systemDirectory);
        const std::optional<os::FileStatus> status = os::GetFileStatus(path);
        const std::optional<os::FileStatus> old = os::GetFileStatus(installed);
        if (entry == manifest->end() || !status || status->size != entry->second.size || !old) return false;
        if (!IsNewer(ParseDateText(LocalDateText(old->lastWriteUtc)), entry->second.date)) return false;
        if (!ReplacementAcceptable(path, {ExpectedDigest::Kind::Sha256, entry->second.sha256}, installed)) return false;
    }
    return true;
}

}  // namespace update
