#include "printer/fehler_message.h"

#include "ui/dialog.h"

namespace printer {

void ShowFehler() { ui::MessageBox("fehler", "tq", ui::MB_OK); }

}  // namespace printer
