// Whether a downloaded replacement file may take an installed file's place.
#pragma once

#include <string>

#include "update/version_file.h"

namespace update {

// None: any file is accepted. Sha256: the file's SHA-256 must match. Unusable
// (or a file that cannot be hashed): never accepted.
bool ReplacementMatches(const std::string& path, const ExpectedDigest& expected);

// The whole test a replacement passes before anything installed is touched:
// it is not empty, not larger than kMaxDriverFileBytes, matches `expected`, and
// carries a valid signature when the file it replaces (`installed`) carries one.
bool ReplacementAcceptable(const std::string& path, const ExpectedDigest& expected, const std::string& installed);

}  // namespace update
