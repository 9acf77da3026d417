// The records as metrics in Prometheus's text exposition format, for a scrape
// or for the textfile collectors of node_exporter and windows_exporter.
#pragma once

#include <string>
#include <vector>

#include "cli/printer_record.h"

namespace cli {

// Every metric family with its HELP and TYPE lines, each followed by one sample
// per printer that has a value for it. Numbers are written without any locale.
std::string PrometheusText(const std::vector<PrinterRecord>& records);

}  // namespace cli
