// Authenticode signatures of files, as the platform's trust provider judges them.
#pragma once

#include <string>

namespace os {

enum class Signature {
    None,     // the file carries no signature (or is of a kind that cannot carry one)
    Valid,    // signed, and the signature and its chain verify
    Invalid,  // signed, but the signature does not verify (tampered, untrusted, revoked)
};

Signature FileSignature(const std::string& path);

}  // namespace os
