#include "os/win32/windows_api.h"
#include "ui/app.h"

namespace ui {

void InitCommonControls() {
    // Up-down and progress controls live in comctl32 and must be registered
    // before a template that uses them can be created.
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&classes);
}

}  // namespace ui
