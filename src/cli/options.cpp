#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

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

// Options that take a value, as "--name VALUE" or "--name=VALUE", with what that value is.
const std::map<std::string_view, std::string_view> kValueOptions = {{"--lang", "de or en"},
                                                                    {"--format", "text, json or prometheus"},
                                                                    {"--textfile", "a folder"},
                                                                    {"--warning", "a percentage"},
                                                                    {"--critical", "a percentage"}};

// The value of the option at `i`, which moves past a value given as the next argument.
std::optional<std::string_view> valueOf(std::span<const std::string> arguments, std::size_t& i) {
    const std::string_view arg = arguments[i];
    if (const std::size_t equals = arg.find('='); equals != std::string_view::npos) return arg.substr(equals + 1);
    if (i + 1 == arguments.size()) return std::nullopt;
    return arguments[++i];
}

// A whole number of percent, 0 to 100.
std::optional<unsigned> percentNamed(std::string_view text) {
    unsigned value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc() || end != text.data() + text.size() || value > 100) return std::nullopt;
    return value;
}

// Stores the value of option `name`; the message when it is not one the option takes.
std::string setValue(Options& options, std::string_view name, std::string_view value) {
    if (name == "--lang") {
        const auto language = languageNamed(value);
        if (!language) return "unknown language " + quoted(value) + " (use de or en)";
        options.language = *language;
    } else if (name == "--format") {
        options.json |= value == "json";
        options.prometheus = value == "prometheus";
        if (value != "text" && value != "json" && value != "prometheus")
            return "unknown format " + quoted(value) + " (use text, json or prometheus)";
    } else if (name == "--textfile") {
        if (value.empty()) return "--textfile needs a folder";
        options.textfileDir = value;
    } else {
        const auto percent = percentNamed(value);
        if (!percent) return std::string(name) + " takes a whole percentage from 0 to 100, not " + quoted(value);
        (name == "--warning" ? options.warningPercent : options.criticalPercent) = *percent;
    }
    return {};
}

// Options that are each fine alone but ask for two different things together.
std::string conflictIn(const Options& options, const std::set<std::string_view>& seen) {
    if (seen.contains("--json") && seen.contains("--format")) return "--json and --format: give one of them";
    if (options.check && (options.watch || options.json || options.prometheus))
        return "--check reports once in its own form: no --watch, --json or --format with it";
    if (!options.check && (seen.contains("--warning") || seen.contains("--critical")))
        return "--warning and --critical go with --check";
    if (!options.textfileDir.empty() && !options.watch) return "--textfile goes with --watch";
    if (options.prometheus && options.watch) return "--format prometheus reports once; with --watch use --textfile";
    return {};
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string> arguments) {
    Options options;
    std::set<std::string_view> seen;  // by the option's name, without a value

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        const std::string_view name = arg.substr(0, arg.find('='));
        std::string error;
        if (arg == kStatus || arg == "--json" || arg == "--watch" || arg == "--check") {
            options.json |= arg == "--json";
            options.watch |= arg == "--watch";
            options.check |= arg == "--check";
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        } else if (kValueOptions.contains(name)) {
            const std::optional<std::string_view> value = valueOf(arguments, i);
            error = value ? setValue(options, name, *value)
                          : std::string(name) + " needs a value: " + std::string(kValueOptions.at(name));
        } else {
            error = "unknown option " + quoted(arg);
        }
        if (error.empty() && !seen.insert(name).second) error = "option " + quoted(arg) + " given twice";
        if (!error.empty()) return {std::nullopt, error};
    }
    if (auto conflict = conflictIn(options, seen); !conflict.empty()) return {std::nullopt, conflict};
    return {options, {}};
}

bool AsksForStatus(std::span<const std::string> arguments) {
    return std::find(arguments.begin(), arguments.end(), kStatus) != arguments.end();
}

std::string UsageText(const ProgramName& program) {
    const std::string call = std::string(program.name) + (program.statusRequired ? " --status" : " [--status]");
    return "usage: " + call +
           " [--json | --format text|json|prometheus] [--lang de|en] [--watch [--textfile DIR]]\n"
           "       " +
           call +
           " --check [--warning PCT] [--critical PCT] [--lang de|en]\n"
           "  --json      one JSON record per printer instead of a line of text (--format json)\n"
           "  --format    prometheus: the metrics in Prometheus's text format\n"
           "  --lang      language of the state and pen texts (default en)\n"
           "  --watch     print each change of a printer's state, checking once a second, until stopped\n"
           "  --textfile  with --watch: keep the metrics in DIR/zev_status.prom for a textfile collector\n"
           "  --check     one line for Nagios, Icinga or Checkmk: ink below --warning (default 20) warns,\n"
           "              below --critical (default 5) is critical\n"
           "exit codes: 0 no printer reports an error, 1 a printer reports an error, 2 no ZEV printer found,\n"
           "            3 bad usage; with --check 0 OK, 1 WARNING, 2 CRITICAL, 3 UNKNOWN\n";
}

}  // namespace cli
