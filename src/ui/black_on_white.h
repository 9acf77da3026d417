// The program's windows paint their controls black (or a colour of their own)
// on white.
#pragma once

#include "ui/dialog.h"

namespace ui {

inline constexpr CtlColor BlackOnWhite(Colour text = kBlack) {
    return CtlColor{.text = text, .transparent = true, .brush = kWhite, .useDefault = false};
}

// A dialog whose every control is black on white.
class BlackOnWhiteDialog : public Dialog {
public:
    using Dialog::Dialog;

    CtlColor OnCtlColor(int) override { return BlackOnWhite(); }
};

}  // namespace ui
