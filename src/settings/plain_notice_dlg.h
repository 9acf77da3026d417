// A notice window with one OK button and no logic of its own: it only paints
// its controls black on white, and OK, Esc or the close box end it.
#pragma once

#include "ui/black_on_white.h"
#include "ui/dialog.h"

namespace settings {

class PlainNoticeDlg : public ui::Dialog {
public:
    using ui::Dialog::Dialog;

    ui::CtlColor OnCtlColor(int ctrlId) override {
        (void)ctrlId;
        return ui::BlackOnWhite();
    }
};

}  // namespace settings
