#include "update/replacement_check.h"

#include "os/hash.h"

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

}  // namespace update
