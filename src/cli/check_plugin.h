// `--check`: the records judged the way Nagios, Icinga and Checkmk read a
// plugin: one status line with performance data, and the service state as the
// exit code.
#pragma once

#include <string>
#include <vector>

#include "cli/printer_record.h"
#include "status/status_texts.h"

namespace cli {

enum class ServiceState { Ok = 0, Warning = 1, Critical = 2, Unknown = 3 };

struct InkThresholds {
    unsigned warningPercent = 20;  // a level below this warns
    unsigned criticalPercent = 5;  // and below this is critical
};

struct PluginReport {
    ServiceState state = ServiceState::Unknown;
    std::string text;  // "ZEV OK - A1: Ready | 'ink_black_A1'=80%;20:;5:;0;100 ...\n"
};

PluginReport CheckReport(const std::vector<PrinterRecord>& records, const InkThresholds& thresholds,
                         status::Language language);

}  // namespace cli
