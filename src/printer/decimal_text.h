// The C library's decimal-to-integer conversion as the printer answers need
// it, with its overflow made well defined.
#pragma once

#include <cstdint>
#include <string_view>

namespace printer {

// Leading blanks (space, \t \n \v \f \r) and one sign are allowed; conversion
// stops at the first non-digit; no digits give 0. A number beyond the signed
// 32-bit range is held at its ends, as a 32-bit strtol does.
std::int32_t ParseDecimalInt32(std::string_view text);
// Whether that conversion finds a digit at all, so that its 0 means zero.
bool HoldsDecimalNumber(std::string_view text);

// A double truncated toward zero into 32 bits: NaN gives 0 and values beyond
// the range are held at its ends, where a plain cast would be undefined.
std::int32_t TruncateToInt32(double value);

}  // namespace printer
