// What the program is asked to be: the status tool on the caller's console, or
// the window in the notification area.
#include <optional>

#include "cli/windows_status.h"
#include "ui/app.h"

namespace ui {

int ProgramEntry(const std::function<int()>& runWindow) {
    if (const std::optional<int> code = cli::RunStatusCommandIfAsked()) return *code;
    return runWindow();
}

}  // namespace ui
