// The ";S:" value an emulated printer reports for its condition.
#pragma once

#include <string>

#include "emulator/printer_condition.h"

namespace emulator {

// 43 characters: version digit 3 at position 1, the cover nibble at 2, the
// incomplete-job nibble at 9, the activity at 11, the state code at 16-17 and
// the two pen words (kind in bits 29-24, level in bits 7-0) at 19-26 and 27-34.
std::string BuildStatusValue(const PrinterCondition& condition);

}  // namespace emulator
