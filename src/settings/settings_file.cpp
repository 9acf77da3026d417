#include "settings/settings_file.h"

#include "os/files.h"

namespace settings {

namespace {

// The blanks a "%s" conversion skips.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Editors that save "UTF-8 with signature" put this in front of the digits.
constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

std::string_view NextToken(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view token = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return token;
}

std::optional<std::string> AcceptedValue(std::string_view token) {
    // Both tokens are one of the two digits.
    if (token == kInkPopupOff || token == kInkPopupOn) return std::string(token);
    return std::nullopt;
}

}  // namespace

SettingsTokens ParseSettingsText(std::string_view text) {
    if (text.starts_with(kUtf8Signature)) text.remove_prefix(kUtf8Signature.size());
    SettingsTokens tokens;
    tokens.inkPopup = AcceptedValue(NextToken(text));
    tokens.language = AcceptedValue(NextToken(text));
    return tokens;
}

std::string SettingsFileContent(std::string_view inkPopup, std::string_view language) {
    std::string content(inkPopup);
    content += ' ';
    content += language;
    return content;
}

bool ReadSettingsFile(const std::string& path, std::string& inkPopup, std::string& language) {
    const std::optional<std::string> text = os::ReadTextFile(path);
    if (!text) return false;
    const SettingsTokens tokens = ParseSettingsText(*text);
    if (tokens.inkPopup) inkPopup = *tokens.inkPopup;
    if (tokens.language) language = *tokens.language;
    return true;
}

void ReadOrCreateSettingsFile(const std::string& path, std::string& inkPopup, std::string& language) {
    if (ReadSettingsFile(path, inkPopup, language)) return;
    // A file that is there but cannot be read (held open by another program, no
    // access) still holds the user's choices: it stays, and so do the values.
    if (os::FileExists(path)) return;
    inkPopup = kInkPopupOn;
    language = kGerman;
    WriteSettingsFile(path, inkPopup, language);
}

bool WriteSettingsFile(const std::string& path, std::string_view inkPopup, std::string_view language) {
    // Never truncated in place: a crash mid-write leaves the old file whole.
    return os::WriteTextFileAtomically(path, SettingsFileContent(inkPopup, language));
}

}  // namespace settings
