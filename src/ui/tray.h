// The notification-area icon record in its first, 88-byte layout: the one the
// program hands to the shell. Kept platform-neutral so the headless backend can
// record it byte for byte and tests can read it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

inline constexpr std::uint32_t kNifMessage = 0x1;
inline constexpr std::uint32_t kNifIcon = 0x2;
inline constexpr std::uint32_t kNifTip = 0x4;
inline constexpr std::size_t kTrayTipBytes = 64;
inline constexpr std::uint32_t kTrayRecordSizeV1 = 88;

struct TrayIconRecord {
    std::uint32_t size = kTrayRecordSizeV1;
    std::uint32_t iconId = 0;  // uID
    std::uint32_t flags = 0;   // NIF_*
    std::uint32_t callbackMessage = 0;
    int iconResource = 0;                   // resource ID the backend loads as the HICON
    std::array<char, kTrayTipBytes> tip{};  // zero-terminated, cut to fit

    // Copies `text` into the tip field, cutting it so the terminator still fits.
    void setTip(std::string_view text) {
        tip.fill('\0');
        const std::size_t n = text.size() < kTrayTipBytes - 1 ? text.size() : kTrayTipBytes - 1;
        text.copy(tip.data(), n);
    }
    // Stops at the field's end even when nothing terminated it.
    std::string tipText() const {
        return std::string(tip.data(), std::find(tip.begin(), tip.end(), '\0') - tip.begin());
    }
};

}  // namespace ui
