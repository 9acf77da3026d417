#include "cli/check_plugin.h"

#include <algorithm>

#include "cli/pen_names.h"
#include "cli/record_output.h"
#include "cli/window_poll.h"

namespace cli {

namespace {

// How urgent a state is when several printers report different ones: a
// printer that certainly needs a person outweighs one that cannot be judged.
int urgency(ServiceState state) {
    switch (state) {
        case ServiceState::Ok: return 0;
        case ServiceState::Unknown: return 1;
        case ServiceState::Warning: return 2;
        case ServiceState::Critical: return 3;
    }
    return 1;
}

std::string_view nameOf(ServiceState state) {
    switch (state) {
        case ServiceState::Ok: return "OK";
        case ServiceState::Warning: return "WARNING";
        case ServiceState::Critical: return "CRITICAL";
        case ServiceState::Unknown: return "UNKNOWN";
    }
    return "UNKNOWN";
}

// Printer text in the status line: a '|' would start the performance data and
// a line break would end the status line.
std::string statusText(std::string_view text) {
    std::string safe(text);
    std::replace_if(
        safe.begin(), safe.end(), [](char c) { return c == '|' || (c >= 0 && c < ' ') || c == 0x7F; }, '?');
    return safe;
}

// A performance label may hold anything but a quote and '=' (and, to be read
// safely, neither a '|' nor a control character).
std::string perfLabel(std::string_view pen, std::string_view serial) {
    std::string label = "ink_" + std::string(pen) + "_" + std::string(serial);
    std::replace_if(
        label.begin(),
        label.end(),
        [](char c) { return c == '\'' || c == '=' || c == '|' || (c >= 0 && c < ' '); },
        '_');
    return label;
}

struct PrinterVerdict {
    ServiceState state = ServiceState::Ok;
    std::string text;
};

PrinterVerdict judge(const PrinterRecord& record, const InkThresholds& thresholds, status::Language language) {
    PrinterVerdict verdict{ServiceState::Ok, statusText(record.serial) + ": "};
    if (!record.status.valid) {
        verdict.text += StateText(record, language);
        verdict.state = ServiceState::Unknown;
        return verdict;
    }
    const std::string_view state =
        record.status.coverOpen ? status::kCoverOpenText.in(language) : StateText(record, language);
    verdict.text += state.empty() ? "state " + std::to_string(record.status.state) : std::string(state);
    if (record.window && !record.window->polling)
        verdict.text += " (the window's poll of " + UtcText(record.window->polledAtUtcMs) + "; it has paused since)";
    if (ReportsError(record)) verdict.state = ServiceState::Critical;
    for (const PenSlot& pen : PensOf(record.status)) {
        const ServiceState ink = pen.level < thresholds.criticalPercent  ? ServiceState::Critical
                                 : pen.level < thresholds.warningPercent ? ServiceState::Warning
                                                                         : ServiceState::Ok;
        if (ink == ServiceState::Ok) continue;
        verdict.text += ", " + std::string(pen.name) + " " + std::to_string(pen.level) + "%";
        if (urgency(ink) > urgency(verdict.state)) verdict.state = ink;
    }
    return verdict;
}

// 'ink_black_A1'=80%;20:;5:;0;100 : a level below the range's start alerts.
std::string performanceData(const PrinterRecord& record, const InkThresholds& thresholds) {
    if (!record.status.valid) return {};
    std::string data;
    for (const PenSlot& pen : PensOf(record.status)) {
        const std::string_view name = pen.name == "other" ? (pen.slot == 1 ? "pen1" : "pen2") : pen.name;
        data += " '" + perfLabel(name, record.serial) + "'=" + std::to_string(pen.level) + "%;" +
                std::to_string(thresholds.warningPercent) + ":;" + std::to_string(thresholds.criticalPercent) +
                ":;0;100";
    }
    return data;
}

}  // namespace

PluginReport CheckReport(const std::vector<PrinterRecord>& records, const InkThresholds& thresholds,
                         status::Language language) {
    if (records.empty())
        return {ServiceState::Critical, "ZEV CRITICAL - " + std::string(status::kNotFoundText.in(language)) + "\n"};
    ServiceState worst = ServiceState::Ok;
    std::string summary, perf;
    for (const PrinterRecord& record : records) {
        const PrinterVerdict verdict = judge(record, thresholds, language);
        if (urgency(verdict.state) > urgency(worst)) worst = verdict.state;
        summary += (summary.empty() ? "" : "; ") + verdict.text;
        perf += performanceData(record, thresholds);
    }
    std::string text = "ZEV " + std::string(nameOf(worst)) + " - " + summary;
    if (!perf.empty()) text += " |" + perf;
    return {worst, text + "\n"};
}

}  // namespace cli
