// The command line of the status tool: `--status [--json] [--lang de|en] [--watch]`,
// and the forms monitoring engines read: `--format prometheus`, `--textfile DIR`
// and the plugin mode `--check [--warning PCT] [--critical PCT]`.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "status/status_texts.h"

namespace cli {

struct Options {
    bool json = false;
    bool watch = false;
    bool help = false;
    status::Language language = status::Language::English;
    bool prometheus = false;       // the metrics text instead of lines or JSON
    std::string textfileDir;       // with watch: where the metrics file is kept; empty for none
    bool check = false;            // the monitoring-plugin report
    unsigned warningPercent = 20;  // an ink level below this warns
    unsigned criticalPercent = 5;  // and below this is critical
    friend bool operator==(const Options&, const Options&) = default;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error;  // one line, set when options is empty
};

// The arguments after the program's name. `--status` is accepted anywhere (the
// Windows program needs it to leave its window behind; on Linux it changes
// nothing). Every argument must be known, and each at most once.
ParsedOptions ParseOptions(std::span<const std::string> arguments);

// Whether the Windows program was asked for the command-line tool instead of its window.
bool AsksForStatus(std::span<const std::string> arguments);

// How the program is called: its name, and whether `--status` is what selects
// the tool (Windows) or may be left out (Linux).
struct ProgramName {
    std::string_view name;
    bool statusRequired = false;
};

// Several lines, each ending in "\n".
std::string UsageText(const ProgramName& program);

}  // namespace cli
