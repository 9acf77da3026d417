#include "cli/run.h"

#include <algorithm>

#include "cli/options.h"
#include "cli/record_output.h"
#include "cli/watch.h"

namespace cli {

std::optional<PrinterSettingsValues> ReadSettings(const std::string& devicePath, Clock& clock) {
    if (clock.stopRequested()) return std::nullopt;
    return ReadSettingsValues(devicePath, [&clock](unsigned ms) { clock.sleepMs(ms); });
}

std::vector<PrinterRecord> CheckPrinters(const CandidateTest& isCandidate, Clock& clock) {
    std::vector<PrinterRecord> records;
    for (const FoundPrinter& found : FindZevPrinters(isCandidate)) {
        // A stop request ends the check with what it has: each printer may cost
        // its queries' waits.
        if (clock.stopRequested()) break;
        PrinterRecord record = RecordOf(found.devicePath, found.deviceId);
        // A busy or failing printer is not asked, just as the window waits for
        // a ready printer before it reads the settings.
        if (IsReady(record)) record.settings = ReadSettings(found.devicePath, clock);
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

    const std::vector<PrinterRecord> records = CheckPrinters(isCandidate, clock);
    console.out(StatusReport(records, options.json, options.language));
    return ExitCodeOf(records);
}

}  // namespace cli
