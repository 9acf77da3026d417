#include "update/update_mask.h"

#include <algorithm>

namespace update {

std::string UpdateMaskOf(const MaskFlags& newer) {
    std::string mask;
    for (std::int32_t flag : newer) mask += std::to_string(flag);
    return mask;
}

MaskFlags PendingFlagsOf(std::string_view mask) {
    MaskFlags flags{};
    for (std::size_t i = 0; i < flags.size() && i < mask.size(); ++i) {
        const char c = mask[i];
        flags[i] = (c >= '0' && c <= '9') ? c - '0' : 0;
    }
    return flags;
}

bool AnySet(const MaskFlags& flags) {
    return std::any_of(flags.begin(), flags.end(), [](std::int32_t f) { return f != 0; });
}

}  // namespace update
