// The one dialog procedure of every window: turns Windows messages into the
// Dialog overridables.
#pragma once

#include "os/win32/windows_api.h"
#include "ui/win32/window.h"

namespace ui::win32 {

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The Window that the next dialog created on this thread belongs to. Messages
// arrive before WM_INITDIALOG (WM_SETFONT), so the association cannot wait for
// the creation parameter.
void ExpectCreation(Window* w);

// An exception thrown by a handler cannot unwind through the system's frames;
// the procedure keeps it and the message loop rethrows it after dispatching.
void RethrowHandlerException();

}  // namespace ui::win32
