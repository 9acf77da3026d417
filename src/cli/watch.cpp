#include "cli/watch.h"

#include <map>
#include <tuple>

#include "cli/record_output.h"

namespace cli {

namespace {

// What counts as a change of state; ink levels that sink while printing do not.
auto stateOf(const PrinterRecord& r) {
    return std::tuple(
        r.connected, r.status.valid, r.status.state, r.status.coverOpen, r.status.incompleteJob, r.status.activity);
}

PrinterRecord disconnected(const PrinterRecord& last) {
    PrinterRecord gone;
    gone.displayName = last.displayName;
    gone.serial = last.serial;
    gone.devicePath = last.devicePath;
    gone.connected = false;
    return gone;
}

class Watcher {
public:
    Watcher(const Options& options, const CandidateTest& isCandidate, Clock& clock, const Console& console)
        : m_options(options), m_isCandidate(isCandidate), m_clock(clock), m_console(console) {}

    // One check: reports what changed since the last one.
    ExitCode check() {
        std::map<std::string, PrinterRecord> current;
        for (const FoundPrinter& found : FindZevPrinters(m_isCandidate)) {
            PrinterRecord record = RecordOf(found.devicePath, found.deviceId);
            const auto last = m_last.find(found.devicePath);
            const bool known = last != m_last.end();
            const bool changed = !known || stateOf(last->second) != stateOf(record);
            // As in a single report, only a ready printer shows its settings. They are
            // read when it turns ready, as the window does, and kept while it stays so.
            const bool wasReady = known && IsReady(last->second);
            if (IsReady(record))
                record.settings = wasReady ? last->second.settings : ReadSettings(found.devicePath, m_clock);
            if (changed) report(record);
            current.insert_or_assign(found.devicePath, std::move(record));
        }
        for (const auto& [path, last] : m_last)
            if (!current.contains(path)) report(disconnected(last));
        m_last = std::move(current);

        std::vector<PrinterRecord> records;
        for (const auto& [path, record] : m_last) records.push_back(record);
        return ExitCodeOf(records);
    }

private:
    void report(const PrinterRecord& record) {
        const std::string line =
            m_options.json ? CompactJson(JsonOf(record, m_options.language)) : TextLineOf(record, m_options.language);
        m_console.out(line + "\n");
    }

    const Options& m_options;
    const CandidateTest& m_isCandidate;
    Clock& m_clock;
    const Console& m_console;
    std::map<std::string, PrinterRecord> m_last;  // by device path
};

}  // namespace

ExitCode Watch(const Options& options, const CandidateTest& isCandidate, Clock& clock, const Console& console) {
    Watcher watcher(options, isCandidate, clock, console);
    std::uint64_t due = clock.nowMs();
    for (;;) {
        const ExitCode code = watcher.check();
        // Checks keep to a once-a-second rhythm; one that ran long is followed at once.
        due += kWatchIntervalMs;
        const std::uint64_t now = clock.nowMs();
        if (due > now)
            clock.sleepMs(static_cast<unsigned>(due - now));
        else
            due = now;
        if (clock.stopRequested()) return code;
    }
}

}  // namespace cli
