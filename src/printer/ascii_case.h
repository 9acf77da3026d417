// Locale-independent upper-casing of the ASCII letters in device texts.
#pragma once

#include <string>
#include <string_view>

namespace printer {

std::string AsciiUpper(std::string_view text);

}  // namespace printer
