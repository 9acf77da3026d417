// The status tool from its arguments to its exit code, on any platform.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/clock.h"
#include "cli/discovery.h"
#include "cli/options.h"
#include "cli/printer_record.h"

namespace cli {

enum ExitCode : int {
    kExitReady = 0,      // no printer reports an error
    kExitError = 1,      // at least one printer reports an error
    kExitNoPrinter = 2,  // no ZEV printer was found
    kExitBadUsage = 3,
};

inline constexpr unsigned kWatchIntervalMs = 1000;

struct Console {
    std::function<void(std::string_view)> out;
    std::function<void(std::string_view)> err;
    // How a file is replaced whole; when empty, ReplaceFileContent (cli/textfile.h).
    std::function<bool(const std::string& path, std::string_view content)> replaceFile = {};
    // The tray window's last poll, where the platform has such a window; empty: none.
    std::function<std::optional<WindowPoll>()> windowPoll = {};
};

// The four settings queries, pausing on `clock`.
std::optional<PrinterSettingsValues> ReadSettings(const std::string& devicePath, Clock& clock);

// The ZEV printers on the installed bus, each with its settings when it is ready;
// beside a tray window, its printer as the window last polled it.
std::vector<PrinterRecord> CheckPrinters(const CandidateTest& isCandidate, Clock& clock, const Console& console);

// The record of a found printer, without its settings.
PrinterRecord RecordOf(const FoundPrinter& found);

ExitCode ExitCodeOf(const std::vector<PrinterRecord>& records);

// `arguments` without the program's name.
int Run(std::span<const std::string> arguments, const ProgramName& program, const CandidateTest& isCandidate,
        Clock& clock, const Console& console);

}  // namespace cli
