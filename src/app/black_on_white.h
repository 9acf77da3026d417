// The program's windows paint their controls black on white.
#pragma once

#include "ui/dialog.h"

namespace app {

inline constexpr ui::CtlColor BlackOnWhite(ui::Colour text = ui::kBlack) {
    return ui::CtlColor{.text = text, .transparent = true, .brush = ui::kWhite, .useDefault = false};
}

}  // namespace app
