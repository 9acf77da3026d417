#include "update/version_file.h"

#include <algorithm>
#include <cctype>

namespace update {

namespace {

constexpr std::size_t kSha256HexDigits = 64;

// The line starting at `from`, without its line end; `next` gets the start of
// the following line (npos when there is none).
std::string_view lineAt(std::string_view text, std::size_t from, std::size_t& next) {
    next = std::string_view::npos;
    if (from >= text.size()) return {};
    std::string_view rest = text.substr(from);
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (end != std::string_view::npos) next = from + end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

ExpectedDigest digestOf(std::string_view line) {
    line = trimmed(line);
    if (line.empty()) return {};
    const bool allHex =
        std::all_of(line.begin(), line.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
    if (line.size() != kSha256HexDigits || !allHex) return {ExpectedDigest::Kind::Unusable, {}};
    std::string hex(line);
    for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return {ExpectedDigest::Kind::Sha256, hex};
}

}  // namespace

VersionFile ParseVersionFile(std::string_view content) {
    // A zero byte ends the text as it ends a C string.
    content = content.substr(0, content.find('\0'));
    std::size_t second = 0;
    VersionFile file;
    file.date = ParseDateText(lineAt(content, 0, second));
    if (second != std::string_view::npos) {
        std::size_t ignored = 0;
        file.digest = digestOf(lineAt(content, second, ignored));
    }
    return file;
}

}  // namespace update
