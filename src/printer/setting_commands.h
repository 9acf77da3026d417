// The command texts of the settings writes, numbers included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace printer {

// `prefix` (e.g. "ds2.set 70016,", at most 14 characters used) followed by the
// word in decimal and ";": "ds2.set 70016,16384;".
std::string WordSettingCommand(std::string_view prefix, std::uint16_t word);

// "fm.push_value Y;fm.push_value X;fm.push_value 1;fm.flow 225;fm.pop;"
std::string MarginFlowCommand(std::int32_t top, std::int32_t left);

// Printer values of the margins typed in millimetres, truncated toward zero:
// top = mm × 100 + 50, left = mm × 100. Values beyond the 32-bit range are
// held at its ends and a non-number gives 0, so no input is undefined.
std::int32_t TopMarginPrinterValue(double millimetres);
std::int32_t LeftMarginPrinterValue(double millimetres);

}  // namespace printer
