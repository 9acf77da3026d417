// The alignment dialog's look at the printer: has it finished the alignment
// page, that is, does it report state code 0 again?
#pragma once

#include <optional>
#include <string>

namespace maintenance {

// Reads the device ID on `devicePath`. nullopt when the tick ends without a
// state: the printer cannot be read or is not a ZEV, or its status key is
// missing ("fehler"/"tq" is shown) or unterminated. Otherwise the state code
// at positions 16-17 of the status value, read as two hexadecimal digits as
// the status decoder reads them; a value shorter than a status record shows
// "invalid status string"/"error" first.
std::optional<int> ReadAlignmentState(const std::string& devicePath);

}  // namespace maintenance
