#include "update/update_dialog.h"

namespace update {

ui::CtlColor UpdateDialog::OnCtlColor(int) {
    ui::CtlColor colour;
    colour.text = ui::kBlack;
    colour.transparent = true;
    colour.brush = ui::kWhite;
    colour.useDefault = false;
    return colour;
}

}  // namespace update
