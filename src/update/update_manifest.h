// The manifest the maker signs: one line per replacement file on the server
// with its name, size, SHA-256 and date, so that the replacements can be
// proven to be the maker's wherever they were fetched from and whoever could
// touch them on the way. See docs/update-server.md for how it is published.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "os/ecdsa.h"
#include "update/version_date.h"

namespace update {

// Beside the replacements: "/zev/update/files/" + these names on the server,
// and the same names in a run folder.
inline constexpr const char* kManifestName = "manifest.txt";
inline constexpr const char* kManifestSignatureName = "manifest.txt.sig";

struct ManifestEntry {
    std::uint64_t size = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
    VersionDate date;    // as the file's version file gives it

    friend bool operator==(const ManifestEntry&, const ManifestEntry&) = default;
};
using Manifest = std::map<std::string, ManifestEntry, std::less<>>;

// The entries of a manifest text:
//   zev update manifest 1
//   <file name> <size> <sha256> <DDMMYYYY>     one line per driver file
// nullopt for anything else: a name that is not a driver file's, one named
// twice, a field out of form.
std::optional<Manifest> ParseManifest(std::string_view text);

// (r, s) of a DER-encoded ECDSA P-256 signature, as `openssl dgst -sign` writes
// it; nullopt when the bytes are not exactly one.
std::optional<os::P256Signature> SignatureFromDer(std::string_view der);

// The manifest in `text` when `derSignature` is the maker's signature over it.
std::optional<Manifest> VerifiedManifest(std::string_view text, std::string_view derSignature);

}  // namespace update
