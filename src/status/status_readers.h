// Single-field readers of a status value, used by the self-watching popups.
// They do not check validity; a position past the value's end reads as NUL.
#pragma once

#include <string_view>

namespace status {

int readState(std::string_view value);       // positions 16-17, hexadecimal
int readActivity(std::string_view value);    // position 11, hexadecimal
int readCoverDigit(std::string_view value);  // position 2, a decimal digit

}  // namespace status
