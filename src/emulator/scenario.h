// Scenario files: which emulated printers exist and how they change over time.
// The format is described in docs/emulator-scenarios.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/printer_change.h"

namespace emulator {

struct PrinterDefinition {
    std::string name;
    PrinterChange setup;
};

struct TimedChange {
    std::uint64_t atMs = 0;  // since the program started
    std::string printer;
    PrinterChange change;
};

struct Scenario {
    std::vector<PrinterDefinition> printers;  // in listing order
    std::vector<TimedChange> changes;         // in time order (stable for equal times)
    std::uint64_t loopMs = 0;                 // 0: play once; else start over after this long
};

struct ParsedScenario {
    std::optional<Scenario> scenario;
    std::string error;  // "line N: ..." when scenario is empty
};

// The whole text must be valid; the first bad line makes the result an error.
ParsedScenario ParseScenario(std::string_view text);

}  // namespace emulator
