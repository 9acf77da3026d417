#include "update/update_manifest.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "update/download_limits.h"
#include "update/driver_files.h"
#include "update/maker_key.h"

namespace update {

namespace {

constexpr std::string_view kHeader = "zev update manifest 1";
constexpr std::size_t kSha256Digits = 64;
constexpr std::size_t kDateDigits = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLowerHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }

bool IsDriverFileName(std::string_view name) {
    return std::any_of(
        kDriverFiles.begin(), kDriverFiles.end(), [name](const DriverFile& f) { return f.name == name; });
}

// The fields of one line, split at single blanks.
std::vector<std::string_view> FieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t blank = line.find(' ');
        fields.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) return fields;
        line.remove_prefix(blank + 1);
    }
}

std::optional<std::pair<std::string, ManifestEntry>> EntryOf(std::string_view line) {
    const std::vector<std::string_view> f = FieldsOf(line);
    if (f.size() != 4 || !IsDriverFileName(f[0])) return std::nullopt;
    ManifestEntry entry;
    const auto [end, error] = std::from_chars(f[1].data(), f[1].data() + f[1].size(), entry.size);
    if (f[1].empty() || !IsDigit(f[1][0]) || error != std::errc() || end != f[1].data() + f[1].size())
        return std::nullopt;
    if (entry.size == 0 || entry.size > kMaxDriverFileBytes) return std::nullopt;
    if (f[2].size() != kSha256Digits || !std::all_of(f[2].begin(), f[2].end(), IsLowerHex)) return std::nullopt;
    if (f[3].size() != kDateDigits || !std::all_of(f[3].begin(), f[3].end(), IsDigit)) return std::nullopt;
    entry.sha256 = std::string(f[2]);
    entry.date = ParseDateText(f[3]);
    return std::pair{std::string(f[0]), entry};
}

// The value bytes of one DER INTEGER at the front of `der`, which moves past it.
std::optional<std::string_view> TakeInteger(std::string_view& der) {
    if (der.size() < 2 || der[0] != 0x02) return std::nullopt;
    const auto length = static_cast<unsigned char>(der[1]);
    if (length == 0 || length > 33 || der.size() < 2u + length) return std::nullopt;
    std::string_view value = der.substr(2, length);
    der.remove_prefix(2u + length);
    while (value.size() > 1 && value[0] == 0) value.remove_prefix(1);
    if (value.size() > 32) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Manifest> ParseManifest(std::string_view text) {
    if (text.size() > kMaxVersionFileBytes || !text.starts_with(kHeader)) return std::nullopt;
    Manifest manifest;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (lineNumber++ == 0) {
            if (line != kHeader) return std::nullopt;
            continue;
        }
        const auto entry = EntryOf(line);
        if (!entry || !manifest.insert(*entry).second) return std::nullopt;
    }
    return manifest;
}

std::optional<os::P256Signature> SignatureFromDer(std::string_view der) {
    if (der.size() < 2 || der[0] != 0x30 || static_cast<unsigned char>(der[1]) != der.size() - 2) return std::nullopt;
    der.remove_prefix(2);
    const auto r = TakeInteger(der);
    const auto s = TakeInteger(der);
    if (!r || !s || !der.empty()) return std::nullopt;
    os::P256Signature signature{};
    std::copy(r->begin(), r->end(), signature.begin() + (32 - r->size()));
    std::copy(s->begin(), s->end(), signature.begin() + (64 - s->size()));
    return signature;
}

std::optional<Manifest> VerifiedManifest(std::string_view text, std::string_view derSignature) {
    const auto signature = SignatureFromDer(derSignature);
    if (!signature || !os::VerifyP256Sha256(MakerKey(), text, *signature)) return std::nullopt;
    return ParseManifest(text);
}

}  // namespace update
