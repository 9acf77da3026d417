// The six-character mask of newer driver files that the check hands to the
// install, one '0' or '1' per file in the order a, e, d, f, c, b.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace update {

// One flag per file in mask order (see kMaskOrder), 0 or 1.
using MaskFlags = std::array<std::int32_t, 6>;

// The flags' decimal digits, in order.
std::string UpdateMaskOf(const MaskFlags& newer);

// The install's pending flags: each mask character taken alone and read as
// atoi reads it, so '1' gives 1, '0' gives 0, and a missing or non-digit
// character 0. Only the first six characters are used.
MaskFlags PendingFlagsOf(std::string_view mask);

bool AnySet(const MaskFlags& flags);

}  // namespace update
