// A notice window with one OK button and no logic of its own: it only paints
// its controls black on white, and OK, Esc or the close box end it.
#pragma once

#include "ui/black_on_white.h"

namespace settings {

class PlainNoticeDlg : public ui::BlackOnWhiteDialog {
public:
    using BlackOnWhiteDialog::BlackOnWhiteDialog;
};

}  // namespace settings
