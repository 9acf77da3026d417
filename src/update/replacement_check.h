// Whether a downloaded replacement file may take an installed file's place.
#pragma once

#include <string>
#include <string_view>

#include "update/version_file.h"

namespace update {

// None: any file is accepted. Sha256: the file's SHA-256 must match. Unusable
// (or a file that cannot be hashed): never accepted.
bool ReplacementMatches(const std::string& path, const ExpectedDigest& expected);

// The whole test a replacement passes before anything installed is touched:
// it is not empty, not larger than kMaxDriverFileBytes, matches `expected`, and
// carries a valid signature when the file it replaces (`installed`) carries one.
bool ReplacementAcceptable(const std::string& path, const ExpectedDigest& expected, const std::string& installed);

// Whether the replacements of `letters` in `folder` are the maker's: the
// folder's manifest carries the maker's signature and lists each of them with
// the size and SHA-256 it has there and a date later than the installed
// file's (an older genuine file must not come back), and each passes
// ReplacementAcceptable. Only a folder nobody else can change makes the
// answer last.
bool ReplacementsAuthentic(const std::string& folder, std::string_view letters, const std::string& systemDirectory);

}  // namespace update
