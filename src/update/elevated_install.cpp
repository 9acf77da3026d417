#include "update/elevated_install.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "os/elevation.h"
#include "os/files.h"
#include "update/driver_files.h"
#include "update/run_folder.h"

namespace update {

namespace {

// The caller removes the run folder only once its copy has ended, however long
// the prompt and the spooler take: the copy may still be reading it, and a
// name freed early could be taken by another program before the copy looks.
constexpr unsigned kUntilEnded = 0xFFFFFFFFu;
constexpr std::size_t kMaxCommandLine = 4096;
constexpr std::size_t kMaxFolderLength = 240;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Words separated by blanks; a word in double quotes may hold blanks. A quote
// anywhere else, or one left open, makes the line unreadable.
std::optional<std::vector<std::string_view>> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) return std::nullopt;
            if (close + 1 < line.size() && line[close + 1] != ' ') return std::nullopt;
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ') {
            if (line[end] == '"') return std::nullopt;
            ++end;
        }
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

// An absolute folder on a drive, without relative parts or characters a file
// name may not hold, whose last part is a run folder's name.
bool IsStagingFolder(std::string_view folder) {
    if (folder.size() < 4 || folder.size() > kMaxFolderLength) return false;
    if (!std::isalpha(static_cast<unsigned char>(folder[0])) || folder[1] != ':' || folder[2] != '\\') return false;
    for (std::size_t i = 2; i < folder.size(); ++i) {
        const auto c = static_cast<unsigned char>(folder[i]);
        if (c < 0x20 || c == 0x7F || std::string_view("\"*?<>|/:").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    }
    std::string_view rest = folder.substr(3);
    std::string_view last;
    for (;;) {
        const std::size_t slash = rest.find('\\');
        last = rest.substr(0, slash);
        if (last.empty() || last.back() == '.' || last.back() == ' ') return false;  // also "." and ".."
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return last.starts_with(std::string(RunFolder::kPrefix) + "-");
}

std::optional<std::string> LettersOfMask(std::string_view mask) {
    if (mask.size() != kMaskOrder.size()) return std::nullopt;
    std::string letters;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] != '0' && mask[i] != '1') return std::nullopt;
        if (mask[i] == '1') letters += kMaskOrder[i];
    }
    if (letters.empty()) return std::nullopt;
    return letters;
}

std::string MaskOf(std::string_view letters) {
    std::string mask;
    for (char c : kMaskOrder) mask += letters.find(c) != std::string_view::npos ? '1' : '0';
    return mask;
}

// "-" or twelve digits DDMMYYYYHHMM, which become " DDMMYYYY HHMM".
std::optional<std::string> StampOf(std::string_view word) {
    if (word == "-") return std::string();
    if (word.size() != 12 || !std::all_of(word.begin(), word.end(), isDigit)) return std::nullopt;
    return " " + std::string(word.substr(0, 8)) + " " + std::string(word.substr(8));
}

std::string StampWord(const std::string& stamp) {
    if (stamp.empty()) return "-";
    std::string digits;
    for (char c : stamp) {
        if (isDigit(c)) digits += c;
    }
    return digits;
}

int Install(const ElevatedRequest& request) {
    const SwapOutcome outcome =
        SwapDriverFiles({os::SystemDirectory(), request.stamp, request.letters, request.stagingFolder});
    return outcome == SwapOutcome::Replaced ? kExitReplaced : 1 + static_cast<int>(outcome);
}

}  // namespace

std::string ElevatedArguments(const SwapRequest& request) {
    std::string arguments = std::string(kElevatedInstallSwitch) + " \"" + request.stagingFolder + "\" " +
                            MaskOf(request.letters) + " " + StampWord(request.stamp);
    return arguments;
}

std::string RecoverArguments() { return std::string(kElevatedRecoverSwitch); }

bool AsksForElevatedMode(std::string_view commandLine) {
    const auto words = Words(commandLine.substr(0, kMaxCommandLine));
    if (!words || words->size() < 2) {
        return commandLine.find(kElevatedInstallSwitch) != std::string_view::npos ||
               commandLine.find(kElevatedRecoverSwitch) != std::string_view::npos;
    }
    return (*words)[1] == kElevatedInstallSwitch || (*words)[1] == kElevatedRecoverSwitch;
}

std::optional<ElevatedRequest> ParseElevatedCommandLine(std::string_view commandLine) {
    if (commandLine.size() > kMaxCommandLine) return std::nullopt;
    const auto words = Words(commandLine);
    if (!words || words->size() < 2) return std::nullopt;
    const std::vector<std::string_view>& w = *words;
    if (w[1] == kElevatedRecoverSwitch) {
        if (w.size() != 2) return std::nullopt;
        return ElevatedRequest{ElevatedRequest::Kind::Recover, {}, {}, {}};
    }
    if (w[1] != kElevatedInstallSwitch || w.size() != 5 || !IsStagingFolder(w[2])) return std::nullopt;
    ElevatedRequest request;
    request.stagingFolder = std::string(w[2]);
    const std::optional<std::string> letters = LettersOfMask(w[3]);
    const std::optional<std::string> stamp = StampOf(w[4]);
    if (!letters || !stamp) return std::nullopt;
    request.letters = *letters;
    request.stamp = *stamp;
    return request;
}

int RunElevatedMode(std::string_view commandLine) {
    const std::optional<ElevatedRequest> request = ParseElevatedCommandLine(commandLine);
    if (!request) return kExitBadArguments;
    if (!os::IsElevated()) return kExitNotElevated;
    if (request->kind == ElevatedRequest::Kind::Recover) return ReplaySwapJournal(os::SystemDirectory()) ? 0 : 1;
    return Install(*request);
}

std::string InstallWithRights(const SwapRequest& request) {
    if (os::IsElevated()) return SwapDriverFiles(request) == SwapOutcome::Replaced ? request.letters : std::string();
    const os::ElevatedRun run = os::RunElevatedCopy(ElevatedArguments(request), kUntilEnded);
    const bool replaced = run.outcome == os::ElevatedRun::Outcome::Ended && run.exitCode == kExitReplaced;
    return replaced ? request.letters : std::string();
}

void RecoverInterruptedSwap() {
    const std::string systemDirectory = os::SystemDirectory();
    if (!SwapJournalPending(systemDirectory)) return;
    if (os::IsElevated()) {
        ReplaySwapJournal(systemDirectory);
        return;
    }
    os::RunElevatedCopy(RecoverArguments(), kUntilEnded);
}

}  // namespace update
