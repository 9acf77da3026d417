#include "status/status_readers.h"

#include "status/hex_digits.h"

namespace status {

namespace {

// The characters at [pos, pos + count), as far as the value reaches: the NUL
// that follows the value in its buffer stops any digit reading there.
std::string_view field(std::string_view value, std::size_t pos, std::size_t count) {
    return pos < value.size() ? value.substr(pos, count) : std::string_view{};
}

}  // namespace

int readState(std::string_view value) { return static_cast<int>(LeadingDigitsValue(field(value, 16, 2), 16)); }

int readActivity(std::string_view value) { return static_cast<int>(LeadingDigitsValue(field(value, 11, 1), 16)); }

int readCoverDigit(std::string_view value) { return static_cast<int>(LeadingDigitsValue(field(value, 2, 1), 10)); }

}  // namespace status
