// Reading digits of the status value.
#pragma once

#include <cstdint>
#include <string_view>

namespace status {

// 0-15 for 0-9, A-F, a-f; 0 for any other character, so a damaged status value
// still decodes to something definite.
std::uint8_t HexNibble(char c);

// The number the leading digits of `chars` form in `base` (10 or 16); reading
// stops at the first character that is not a digit of the base, and no digits
// give 0.
std::uint32_t LeadingDigitsValue(std::string_view chars, unsigned base);

}  // namespace status
