// Whether a downloaded replacement file is the one the version file announced.
#pragma once

#include <string>

#include "update/version_file.h"

namespace update {

// None: any file is accepted. Sha256: the file's SHA-256 must match. Unusable
// (or a file that cannot be hashed): never accepted.
bool ReplacementMatches(const std::string& path, const ExpectedDigest& expected);

}  // namespace update
