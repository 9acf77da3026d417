// A loaded menu resource and the pop-ups reached through it. Only the loaded
// menu owns an HMENU; its pop-ups are destroyed with it.
#pragma once

#include <memory>
#include <vector>

#include "os/win32/unique_handle.h"

namespace ui {

struct MenuHandle {
    HMENU menu = nullptr;
    os::win32::UniqueMenu owned;                      // set for a loaded menu only
    std::vector<std::unique_ptr<MenuHandle>> popups;  // handed out by subMenu
};

}  // namespace ui
