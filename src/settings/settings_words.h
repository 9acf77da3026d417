// The printer's paper-handling and option words, and the numbers the settings
// controls show and accept. Pure logic: no window, no device.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace settings {

// Paper-handling word (printer setting 70016).
inline constexpr std::uint16_t kSecureFeedBit = 0x0001;
inline constexpr std::uint16_t kToleranceMask = 0x003E;  // bits 1-5: tenths of a millimetre
inline constexpr std::uint16_t kDryTimeMask = 0x1FC0;    // bits 6-12: seconds
inline constexpr std::uint16_t kOutputFrontBit = 0x2000;
inline constexpr std::uint16_t kOutputBackBit = 0x4000;
inline constexpr std::uint16_t kDefaultPaperHandling = kOutputBackBit;

// Option word (printer setting 70017).
inline constexpr std::uint16_t kSensorOffBit = 0x0004;
inline constexpr std::uint16_t kInkBackupBit = 0x0008;

// Accepted input ranges, in the unit the spins count in.
inline constexpr int kToleranceLimitTenths = 32;  // 0.0-3.1 mm
inline constexpr int kDryTimeMaxSeconds = 120;
inline constexpr int kTopMarginLimitTenths = 346;  // 0.0-34.5 mm
// The left margin has no range check; its spin simply stops here (59.5 mm).
inline constexpr int kLeftMarginSpinMaxTenths = 595;

// The printer keeps the top margin 50 above its millimetre value × 100.
inline constexpr std::int32_t kTopMarginOffset = 50;

int ToleranceTenths(std::uint16_t paperHandling);
int DryTimeSeconds(std::uint16_t paperHandling);
// The fields take only their own bits of the value, so a value too large for
// its field never reaches the neighbouring settings.
std::uint16_t WithTolerance(std::uint16_t paperHandling, int tenths);
std::uint16_t WithDryTime(std::uint16_t paperHandling, int seconds);
std::uint16_t WithBit(std::uint16_t word, std::uint16_t bit, bool set);

// "%2.1f", the one-decimal form every millimetre field is shown in.
std::string OneDecimal(double value);
std::string TenthsText(int tenths);  // 15 -> "1.5"

// The margins as the printer answers them, shown in millimetres. Both are taken
// as unsigned 32-bit, so a top margin below 50 wraps to a very large number.
std::string TopMarginText(std::int32_t printerValue);
std::string LeftMarginText(std::int32_t printerValue);

// The C library's decimal-to-double conversion of a control's text: leading
// blanks, sign, fraction and exponent allowed; no number gives 0.
double DecimalTextValue(std::string_view text);
// That value times ten, truncated toward zero ("3.2" -> 32, "0.05" -> 0).
// Values beyond the 32-bit range are held at its ends; NaN gives 0.
std::int32_t TenthsFromText(std::string_view text);

}  // namespace settings
