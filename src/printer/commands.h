// Printer-language command texts the program sends, and the bytes of the
// cancel-print sequence. The frames around them are in command_frame.h.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace printer {

// Settings queries: the two words by "ds2.get", the margins through the value
// stack (48: top margin, 49: left margin).
inline constexpr std::string_view kQueryPaperHandling = "ds2.get 70016;";
inline constexpr std::string_view kQueryPrintOptions = "ds2.get 70017;";
inline constexpr std::string_view kQueryLeftMargin = "fm.push_value 49;fm.execute_keyword 10;fm.query_stack;fm.pop;";
inline constexpr std::string_view kQueryTopMargin = "fm.push_value 48;fm.execute_keyword 10;fm.query_stack;fm.pop;";

// Settings writes: the word commands take their value right after the ",".
inline constexpr std::string_view kSetPaperHandling = "ds2.set 70016,";
inline constexpr std::string_view kSetPrintOptions = "ds2.set 70017,";

// Maintenance: the front-panel buttons and the calibration reset.
inline constexpr std::string_view kCleanNormal = "uifp.multi_button_push 20;Exit;";
inline constexpr std::string_view kCleanMedium = "uifp.multi_button_push 21;Exit;";
inline constexpr std::string_view kCleanSuper = "uifp.multi_button_push 22;Exit;";
inline constexpr std::string_view kAlignPens = "uifp.multi_button_push 3;Exit;";
inline constexpr std::string_view kResetCalibration = "pen_align.reset;";

// Cancel print: ESC "*o5W", C0 00 00 7C 0A, and one 00 byte; written raw, unframed.
inline constexpr std::array<std::uint8_t, 11> kCancelPrintBytes = {
    0x1B, 0x2A, 0x6F, 0x35, 0x57, 0xC0, 0x00, 0x00, 0x7C, 0x0A, 0x00};

}  // namespace printer
