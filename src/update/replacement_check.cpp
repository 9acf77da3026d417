#include "update/replacement_check.h"

#include "os/files.h"
#include "os/hash.h"
#include "os/signature.h"
#include "update/download_limits.h"

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

}  // namespace update
