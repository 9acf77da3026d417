#include "cli/prometheus_output.h"

#include <functional>
#include <optional>

#include "cli/pen_names.h"

namespace cli {

namespace {

// A label value from the printer: backslash, quote and line feed escaped as the
// format asks. Anything but printable ASCII becomes '?', so a damaged serial can
// never make the collector reject the whole file for bad UTF-8.
std::string labelValue(std::string_view text) {
    std::string value;
    for (const char c : text) {
        if (c == '\\' || c == '"') value += '\\';
        value += (c < ' ' || c > '~') ? '?' : c;
    }
    return value;
}

std::string sample(std::string_view metric, const std::string& labels, unsigned value) {
    return std::string(metric) + "{" + labels + "} " + std::to_string(value) + "\n";
}

std::string serialLabel(const PrinterRecord& record) { return "serial=\"" + labelValue(record.serial) + "\""; }

// The samples one printer contributes to a family; empty when it has no value there.
using Samples = std::function<std::string(const PrinterRecord&)>;

struct Family {
    std::string_view name;
    std::string_view help;
    Samples samples;
};

// A value that only means something while the status field can be read.
Samples whenReadable(std::string_view metric, std::function<unsigned(const PrinterRecord&)> value) {
    return [metric, value](const PrinterRecord& r) {
        return r.connected && r.status.valid ? sample(metric, serialLabel(r), value(r)) : std::string();
    };
}

std::string inkSamples(const PrinterRecord& r) {
    if (!r.connected || !r.status.valid) return {};
    std::string text;
    for (const PenSlot& pen : PensOf(r.status)) {
        const std::string labels =
            serialLabel(r) + ",slot=\"" + std::to_string(pen.slot) + "\",pen=\"" + std::string(pen.name) + "\"";
        text += sample("zev_ink_level_percent", labels, pen.level);
    }
    return text;
}

const Family kFamilies[] = {
    {"zev_printer_up",
     "1 while the printer answers its device ID request, 0 once it went away.",
     [](const PrinterRecord& r) { return sample("zev_printer_up", serialLabel(r), r.connected); }},
    {"zev_printer_state",
     "The printer's state code, 0 ready.",
     whenReadable("zev_printer_state", [](const PrinterRecord& r) { return r.status.state; })},
    {"zev_printer_error",
     "1 while the printer reports an error, an open cover or an unreadable status.",
     [](const PrinterRecord& r) { return sample("zev_printer_error", serialLabel(r), ReportsError(r)); }},
    {"zev_printer_cover_open",
     "1 while the top cover is open.",
     whenReadable("zev_printer_cover_open", [](const PrinterRecord& r) { return r.status.coverOpen; })},
    {"zev_ink_level_percent", "Ink level of each pen in percent, as the printer reports it.", inkSamples},
    {"zev_printer_window_polling",
     "For a printer the tray window reports: 1 while the window polls it, 0 while its polls pause.",
     [](const PrinterRecord& r) {
         return r.window ? sample("zev_printer_window_polling", serialLabel(r), r.window->polling) : std::string();
     }},
    {"zev_printer_info",
     "The printer's serial number and display name; always 1.",
     [](const PrinterRecord& r) {
         return sample("zev_printer_info", serialLabel(r) + ",name=\"" + labelValue(r.displayName) + "\"", 1);
     }},
};

}  // namespace

std::string PrometheusText(const std::vector<PrinterRecord>& records) {
    // Without a sample here, no printer at all would look like no data at all.
    std::string text = "# HELP zev_printers Number of ZEV printers found.\n# TYPE zev_printers gauge\nzev_printers " +
                       std::to_string(records.size()) + "\n";
    for (const Family& family : kFamilies) {
        text += "# HELP " + std::string(family.name) + " " + std::string(family.help) + "\n";
        text += "# TYPE " + std::string(family.name) + " gauge\n";
        for (const PrinterRecord& record : records) text += family.samples(record);
    }
    return text;
}

}  // namespace cli
