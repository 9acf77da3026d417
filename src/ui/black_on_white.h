// The program's windows paint their controls black on white.
#pragma once

#include "ui/dialog.h"

namespace ui {

inline constexpr CtlColor BlackOnWhite(Colour text = kBlack) {
    return CtlColor{.text = text, .transparent = true, .brush = kWhite, .useDefault = false};
}

}  // namespace ui
