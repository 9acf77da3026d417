// The design colours every picture draws from, so the set reads as one family.
#pragma once

#include "canvas.h"

namespace artgen::palette {

inline constexpr Colour kWhite = Colour::hex(0xFFFFFF);
inline constexpr Colour kOutline = Colour::hex(0x2B3440);  // slate: every outline
inline constexpr Colour kBody = Colour::hex(0xE8EDF2);     // device bodies
inline constexpr Colour kBodyShade = Colour::hex(0xC5CFD9);
inline constexpr Colour kMuted = Colour::hex(0xA9B3BE);  // inactive, missing
inline constexpr Colour kEmptyInk = Colour::hex(0xE1E6EB);
inline constexpr Colour kBrand = Colour::hex(0x1B4F8F);
inline constexpr Colour kBrandLight = Colour::hex(0x4A86CF);

inline constexpr Colour kCyan = Colour::hex(0x00A3DA);
inline constexpr Colour kMagenta = Colour::hex(0xD6007E);
inline constexpr Colour kYellow = Colour::hex(0xF5C800);
inline constexpr Colour kBlackInk = Colour::hex(0x1E2024);
inline constexpr Colour kPhotoBlack = Colour::hex(0x55595F);
inline constexpr Colour kLightCyan = Colour::hex(0x74D0F0);
inline constexpr Colour kLightMagenta = Colour::hex(0xF08AC6);

inline constexpr Colour kError = Colour::hex(0xD7322D);
inline constexpr Colour kAttention = Colour::hex(0xF2A516);
inline constexpr Colour kSuccess = Colour::hex(0x2FA152);

}  // namespace artgen::palette
