// The Windows headers, for the two platform folders only.
//
// <windows.h> defines macros such as IDOK, RGB, MessageBox, DeleteFile and
// GetCommandLine that would rewrite the layer's own portable names. The
// constants header is therefore read first (its names are declared before the
// macros exist), and the name macros that collide with functions of the layer
// are removed, so the platform code calls the wide (W) functions by their full
// names. Use the Windows macros (IDOK, RGB) in platform code, not ui:: ones.
// The three include blocks keep that order when includes are sorted; the ui
// headers refuse to be read after a bare <windows.h>.
#pragma once

#include "ui/win_types.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#undef DeleteFile
#undef GetCommandLine
#undef MessageBox
#undef LoadString
#undef LoadMenu
#undef RegisterWindowMessage
#undef PostMessage
#undef SetDlgItemText
#undef GetDlgItemText
#undef InitCommonControls
