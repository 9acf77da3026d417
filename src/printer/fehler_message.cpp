#include "printer/fehler_message.h"

#include "ui/dialog.h"

namespace printer {

// Terse on purpose: support knows it as the sign of a device ID that lacks a
// key. deliberate(D14)
void ShowFehler() { ui::MessageBox("fehler", "tq", ui::MB_OK); }

}  // namespace printer
