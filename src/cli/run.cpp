#include "cli/run.h"

#include <algorithm>

#include "cli/check_plugin.h"
#include "cli/options.h"
#include "cli/prometheus_output.h"
#include "cli/record_output.h"
#include "cli/watch.h"

namespace cli {

std::optional<PrinterSettingsValues> ReadSettings(const std::string& devicePath, Clock& clock) {
    if (clock.stopRequested()) return std::nullopt;
    return ReadSettingsValues(devicePath, [&clock](unsigned ms) { clock.sleepMs(ms); });
}

PrinterRecord RecordOf(const FoundPrinter& found) {
    PrinterRecord record = RecordOf(found.devicePath, found.deviceId);
    if (found.window) record.window = {found.window->polledAtUtcMs, found.window->ageMs <= kWindowPollingAgeMs};
    return record;
}

std::vector<PrinterRecord> CheckPrinters(const CandidateTest& isCandidate, Clock& clock, const Console& console) {
    std::vector<PrinterRecord> records;
    for (const FoundPrinter& found :
         FindZevPrinters(isCandidate, console.windowPoll ? console.windowPoll() : std::nullopt)) {
        // A stop request ends the check with what it has: each printer may cost
        // its queries' waits.
        if (clock.stopRequested()) break;
        PrinterRecord record = RecordOf(found);
        // A busy or failing printer is not asked, just as the window waits for
        // a ready printer before it reads the settings. The window's printer is
        // never opened: the window may be talking to it.
        if (IsReady(record) && !record.window) record.settings = ReadSettings(found.devicePath, clock);
        records.push_back(std::move(record));
    }
    return records;
}

ExitCode ExitCodeOf(const std::vector<PrinterRecord>& records) {
    if (records.empty()) return kExitNoPrinter;
    return std::any_of(records.begin(), records.end(), ReportsError) ? kExitError : kExitReady;
}

int Run(std::span<const std::string> arguments, const ProgramName& program, const CandidateTest& isCandidate,
        Clock& clock, const Console& console) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.options) {
        console.err(std::string(program.name) + ": " + parsed.error + "\n" + UsageText(program));
        return kExitBadUsage;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        console.out(UsageText(program));
        return kExitReady;
    }
    if (options.watch) return Watch(options, isCandidate, clock, console);

    const std::vector<PrinterRecord> records = CheckPrinters(isCandidate, clock, console);
    if (options.check) {
        const PluginReport report =
            CheckReport(records, {options.warningPercent, options.criticalPercent}, options.language);
        console.out(report.text);
        return static_cast<int>(report.state);
    }
    console.out(options.prometheus ? PrometheusText(records) : StatusReport(records, options.json, options.language));
    return ExitCodeOf(records);
}

}  // namespace cli
