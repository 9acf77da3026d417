// Manifests as the maker publishes them, signed with the repository's test key
// (the key every build without ZEV_UPDATE_PUBLIC_KEY trusts).
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zevtest {

// The manifest text of `files` (name -> content), each dated `date` (DDMMYYYY).
std::string ManifestOf(const std::map<std::string, std::string>& files, const std::string& date);
// The DER signature of `text` by the test key; with `otherKey`, by a fresh key nobody trusts.
std::string TestKeySignature(std::string_view text, bool otherKey = false);

}  // namespace zevtest
