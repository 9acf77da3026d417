#include "cli/watch.h"

#include <map>
#include <tuple>
#include <utility>

#include "cli/prometheus_output.h"
#include "cli/record_output.h"
#include "cli/textfile.h"

namespace cli {

namespace {

// What counts as a change of state; ink levels that sink while printing do not.
auto stateOf(const PrinterRecord& r) {
    return std::tuple(r.connected,
                      r.status.valid,
                      r.status.state,
                      r.status.coverOpen,
                      r.status.incompleteJob,
                      r.status.activity,
                      r.window.has_value(),
                      r.window && r.window->polling);
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

    // One check: reports what changed since the last one, and whether anything did.
    bool check() {
        std::map<std::string, PrinterRecord> current;
        const auto window = m_console.windowPoll ? m_console.windowPoll() : std::nullopt;
        for (const FoundPrinter& found : FindZevPrinters(m_isCandidate, window)) {
            PrinterRecord record = RecordOf(found);
            const auto last = m_last.find(found.devicePath);
            const bool known = last != m_last.end();
            const bool changed = !known || stateOf(last->second) != stateOf(record);
            // As in a single report, only a ready printer shows its settings. They are
            // read when it turns ready, as the window does, and kept while it stays so.
            const bool wasReady = known && IsReady(last->second);
            if (IsReady(record) && !record.window)
                record.settings = wasReady ? last->second.settings : ReadSettings(found.devicePath, m_clock);
            if (changed) report(record);
            current.insert_or_assign(found.devicePath, std::move(record));
        }
        for (const auto& [path, last] : m_last)
            if (!current.contains(path)) report(disconnected(last));
        m_last = std::move(current);
        return std::exchange(m_changed, false);
    }

    std::vector<PrinterRecord> records() const {
        std::vector<PrinterRecord> records;
        for (const auto& [path, record] : m_last) records.push_back(record);
        return records;
    }

private:
    void report(const PrinterRecord& record) {
        const std::string line =
            m_options.json ? CompactJson(JsonOf(record, m_options.language)) : TextLineOf(record, m_options.language);
        m_console.out(line + "\n");
        m_changed = true;
    }

    const Options& m_options;
    const CandidateTest& m_isCandidate;
    Clock& m_clock;
    const Console& m_console;
    std::map<std::string, PrinterRecord> m_last;  // by device path
    bool m_changed = false;
};

// Keeps the metrics file up to date for a textfile collector.
class TextfileKeeper {
public:
    TextfileKeeper(const Options& options, const Console& console)
        : m_path(options.textfileDir.empty() ? std::string() : TextfilePath(options.textfileDir)), m_console(console) {}

    void update(const std::vector<PrinterRecord>& records, bool changed, std::uint64_t now) {
        if (m_path.empty() || (!changed && now < m_due)) return;
        m_due = now + kTextfileRefreshMs;
        const std::string text = PrometheusText(records);
        const bool written =
            m_console.replaceFile ? m_console.replaceFile(m_path, text) : ReplaceFileContent(m_path, text);
        if (!written) m_console.err("cannot write " + m_path + "\n");
    }

private:
    const std::string m_path;  // empty without --textfile
    const Console& m_console;
    std::uint64_t m_due = 0;
};

}  // namespace

ExitCode Watch(const Options& options, const CandidateTest& isCandidate, Clock& clock, const Console& console) {
    Watcher watcher(options, isCandidate, clock, console);
    TextfileKeeper textfile(options, console);
    std::uint64_t due = clock.nowMs();
    for (;;) {
        const bool changed = watcher.check();
        const std::vector<PrinterRecord> records = watcher.records();
        textfile.update(records, changed, clock.nowMs());
        const ExitCode code = ExitCodeOf(records);
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
