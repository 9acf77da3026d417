// The pens as the reports name them: "black", "colour", "photo".
#pragma once

#include <string_view>
#include <vector>

#include "status/printer_status.h"

namespace cli {

// "none", "black", "colour", "photo", or "other" for a kind without a name.
std::string_view KindName(status::PenKind kind);

struct PenSlot {
    int slot;  // 1 black or photo, 2 colour
    std::string_view name;
    unsigned level;
};

// The pens that are in the printer; an empty slot has no ink level to report.
std::vector<PenSlot> PensOf(const status::PrinterStatus& status);

}  // namespace cli
