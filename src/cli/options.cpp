#include "cli/options.h"

#include <algorithm>
#include <utility>

namespace cli {

namespace {

constexpr std::string_view kStatus = "--status";

std::optional<status::Language> languageNamed(std::string_view name) {
    if (name == "de") return status::Language::German;
    if (name == "en") return status::Language::English;
    return std::nullopt;
}

// Arguments come from outside; a message quotes at most this much of one.
std::string quoted(std::string_view argument) {
    constexpr std::size_t kMaxQuoted = 40;
    std::string text(argument.substr(0, kMaxQuoted));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c < ' ' || c == 0x7F; }, '?');
    if (argument.size() > kMaxQuoted) text += "...";
    return "'" + text + "'";
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string> arguments) {
    Options options;
    bool seenStatus = false, seenJson = false, seenWatch = false, seenLang = false;
    const auto once = [](bool& seen) { return !std::exchange(seen, true); };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        bool fresh = true;
        if (arg == kStatus) {
            fresh = once(seenStatus);
        } else if (arg == "--json") {
            fresh = once(seenJson);
            options.json = true;
        } else if (arg == "--watch") {
            fresh = once(seenWatch);
            options.watch = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            fresh = once(seenLang);
            std::string_view value;
            if (arg == "--lang") {
                if (i + 1 == arguments.size()) return {std::nullopt, "--lang needs a value: de or en"};
                value = arguments[++i];
            } else {
                value = arg.substr(std::string_view("--lang=").size());
            }
            const auto language = languageNamed(value);
            if (!language) return {std::nullopt, "unknown language " + quoted(value) + " (use de or en)"};
            options.language = *language;
        } else {
            return {std::nullopt, "unknown option " + quoted(arg)};
        }
        if (!fresh) return {std::nullopt, "option " + quoted(arg) + " given twice"};
    }
    return {options, {}};
}

bool AsksForStatus(std::span<const std::string> arguments) {
    return std::find(arguments.begin(), arguments.end(), kStatus) != arguments.end();
}

std::string UsageText(const ProgramName& program) {
    std::string text = "usage: ";
    text += program.name;
    text += program.statusRequired ? " --status" : " [--status]";
    text +=
        " [--json] [--lang de|en] [--watch]\n"
        "  --json      one JSON record per printer instead of a line of text\n"
        "  --lang      language of the state and pen texts (default en)\n"
        "  --watch     print each change of a printer's state, checking once a second, until stopped\n"
        "exit codes: 0 no printer reports an error, 1 a printer reports an error, 2 no ZEV printer found,\n"
        "            3 bad usage\n";
    return text;
}

}  // namespace cli
