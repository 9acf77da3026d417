// Mouse input through the desktop's input queue, as a user's hand would give
// it: the click lands on whatever window is under the pointer, in whatever
// process owns it (the taskbar belongs to explorer, not to the program).
#pragma once

#include <windows.h>

namespace e2e {

enum class MouseButton { Left, Right };

// Moves the pointer to the screen point and presses and releases the button,
// `clicks` times in a row (2: a double-click).
bool ClickAt(POINT screen, MouseButton button, int clicks = 1);

}  // namespace e2e
