#include "update/swap_journal.h"

#include <algorithm>
#include <cctype>

#include "update/driver_files.h"

namespace update {

namespace {

constexpr std::string_view kHeader = "zev driver swap 1";
constexpr std::string_view kStampKey = "stamp=";
constexpr std::string_view kFilesKey = "files=";
constexpr std::string_view kMovedKey = "moved=";

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Empty, or " DDMMYYYY HHMM" as the German run forms it.
bool IsStamp(std::string_view s) {
    if (s.empty()) return true;
    if (s.size() != 14 || s[0] != ' ' || s[9] != ' ') return false;
    return std::all_of(s.begin() + 1, s.begin() + 9, isDigit) && std::all_of(s.begin() + 10, s.end(), isDigit);
}

bool IsDriverLetter(char c) { return kMaskOrder.find(c) != std::string_view::npos; }

bool AreRunLetters(std::string_view letters) {
    if (letters.empty() || letters.size() > kMaskOrder.size()) return false;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (!IsDriverLetter(letters[i]) || letters.find(letters[i], i + 1) != std::string_view::npos) return false;
    }
    return true;
}

std::optional<std::string_view> valueAfter(std::string_view line, std::string_view key) {
    if (!line.starts_with(key)) return std::nullopt;
    return line.substr(key.size());
}

}  // namespace

std::string JournalText(const SwapJournal& journal) {
    std::string text(kHeader);
    text += "\n" + std::string(kStampKey) + journal.stamp + "\n" + std::string(kFilesKey) + journal.letters + "\n";
    for (const SwapJournal::Move& move : journal.moved) {
        text += std::string(kMovedKey) + move.letter + static_cast<char>(move.aside) + "\n";
    }
    return text;
}

std::optional<SwapJournal> ParseJournal(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (lines.size() < 3 || lines[0] != kHeader) return std::nullopt;
    const auto stamp = valueAfter(lines[1], kStampKey);
    const auto letters = valueAfter(lines[2], kFilesKey);
    if (!stamp || !IsStamp(*stamp) || !letters || !AreRunLetters(*letters)) return std::nullopt;
    SwapJournal journal{std::string(*stamp), std::string(*letters), {}};
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const auto move = valueAfter(lines[i], kMovedKey);
        if (!move || move->size() != 2 || journal.letters.find((*move)[0]) == std::string::npos) return std::nullopt;
        const char aside = (*move)[1];
        if (aside != 'b' && aside != 'p') return std::nullopt;
        const bool repeated = std::any_of(journal.moved.begin(), journal.moved.end(), [&](const SwapJournal::Move& m) {
            return m.letter == (*move)[0];
        });
        if (repeated) return std::nullopt;
        journal.moved.push_back({(*move)[0], static_cast<SwapJournal::Aside>(aside)});
    }
    return journal;
}

std::string JournalPath(const std::string& systemDirectory) {
    return systemDirectory + std::string(kDriverSubdirectory) + "\\zevstatus_swap.journal";
}

std::string SealedFolder(const std::string& systemDirectory) {
    return systemDirectory + std::string(kDriverSubdirectory) + "\\zevstatus-sealed";
}

std::string PreviousPath(const std::string& installed) { return installed + ".zevprev"; }

}  // namespace update
