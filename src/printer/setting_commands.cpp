#include "printer/setting_commands.h"

#include "printer/decimal_text.h"

namespace printer {

namespace {

constexpr std::size_t kWordPrefixChars = 14;

std::string pushValue(std::int32_t value) { return "fm.push_value " + std::to_string(value) + ";"; }

}  // namespace

std::string WordSettingCommand(std::string_view prefix, std::uint16_t word) {
    std::string command(prefix.substr(0, kWordPrefixChars));
    return command.append(std::to_string(word)).append(";");
}

std::string MarginFlowCommand(std::int32_t top, std::int32_t left) {
    return pushValue(top) + pushValue(left) + pushValue(1) + "fm.flow 225;fm.pop;";
}

std::int32_t TopMarginPrinterValue(double millimetres) { return TruncateToInt32(millimetres * 100.0 + 50.0); }

std::int32_t LeftMarginPrinterValue(double millimetres) { return TruncateToInt32(millimetres * 100.0); }

}  // namespace printer
