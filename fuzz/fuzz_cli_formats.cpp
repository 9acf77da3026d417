// The monitoring forms of a record built from an arbitrary device ID: the
// metrics must stay parseable (one sample or comment per line, printable ASCII
// only) and the plugin report must stay one line, whatever the printer says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/check_plugin.h"
#include "cli/prometheus_output.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string deviceId(reinterpret_cast<const char*>(data), size);
    const std::vector<cli::PrinterRecord> records = {cli::RecordOf("path", deviceId)};

    const std::string metrics = cli::PrometheusText(records);
    if (metrics.empty() || metrics.back() != '\n') std::abort();
    for (const char c : metrics)
        if (c != '\n' && (c < ' ' || c > '~')) std::abort();

    const cli::PluginReport report = cli::CheckReport(records, {}, status::Language::English);
    if (report.text.find('\n') != report.text.size() - 1) std::abort();
    if (report.text.find('|') != report.text.rfind('|')) std::abort();
    return 0;
}
